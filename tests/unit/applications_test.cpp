#include "platform/applications.h"
#include "temp_dir.h"

#include <filesystem>
#include <gtest/gtest.h>

using Words = std::vector<std::string>;

TEST(Applications, ExecLinesTakeTheFileForTheirFieldCodes) {
    EXPECT_EQ(commandFor("eog %U", "/p/a b.jpg"), (Words{"eog", "/p/a b.jpg"}));
    EXPECT_EQ(commandFor("gimp-2.10 %f --new %i", "/p/x.png"), (Words{"gimp-2.10", "/p/x.png", "--new"}));
    EXPECT_EQ(commandFor("\"/opt/My Viewer/view\" --title=\"a \\\"b\\\"\" 100%% %F", "/p/\xff.png"),
              (Words{"/opt/My Viewer/view", "--title=a \"b\"", "100%", "/p/\xff.png"}));
    EXPECT_EQ(commandFor("viewer", "/p/x.png"), (Words{"viewer"}));
}

TEST(Applications, TheUsersOwnProgramsComeBeforeAndHideTheSystemsForATypeTheyOpen) {
    TempDir dir;
    const auto desktop = [&](const std::string& folder, const std::string& id, const std::string& body) {
        std::filesystem::create_directories(dir.file(folder + "/applications"));
        writeFile(dir.file(folder + "/applications/" + id), "[Desktop Entry]\n" + body);
    };
    desktop("home", "viewer.desktop", "Name=My Viewer\nExec=myview %f\nMimeType=image/png;image/jpeg;\n");
    desktop("system", "viewer.desktop", "Name=System Viewer\nExec=sysview %f\nMimeType=image/png;\n");
    desktop("system", "alpha.desktop", "Name=Alpha\nExec=alpha %U\nMimeType=image/png;\n[Desktop Action x]\nName=No\n");
    desktop("system", "hidden.desktop", "Name=Hidden\nExec=h %f\nNoDisplay=true\nMimeType=image/png;\n");
    desktop("system", "text.desktop", "Name=Editor\nExec=edit %f\nMimeType=text/plain;\n");
    setenv("XDG_DATA_HOME", dir.file("home").c_str(), 1);
    setenv("XDG_DATA_DIRS", dir.file("system").c_str(), 1);
    const std::vector<Application> found = applicationsFor("image/png");
    unsetenv("XDG_DATA_HOME");
    unsetenv("XDG_DATA_DIRS");
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].name, "Alpha");
    EXPECT_EQ(found[1].name, "My Viewer");
    EXPECT_EQ(found[1].exec, "myview %f");
}
