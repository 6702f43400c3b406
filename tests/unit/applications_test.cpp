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

TEST(Applications, TheChooserListsWhatTheDesktopWouldWithItsDefaultFirst) {
    TempDir dir;
    const auto desktop = [&](const std::string& folder, const std::string& id, const std::string& body) {
        const std::filesystem::path file = dir.file(folder + "/applications/" + id);
        std::filesystem::create_directories(file.parent_path());
        writeFile(file.string(), "[Desktop Entry]\nType=Application\n" + body);
    };
    desktop("home", "viewer.desktop", "Name=My Viewer\nExec=myview %f\nMimeType=image/png;image/jpeg;\n");
    desktop("system", "viewer.desktop", "Name=System Viewer\nExec=sysview %f\nMimeType=image/png;\n");
    desktop("system", "alpha.desktop", "Name=Alpha\nExec=alpha %U\nMimeType=image/png;\n[Desktop Action x]\nName=No\n");
    desktop("system", "quiet.desktop", "Name=Quiet\nExec=q %f\nNoDisplay=true\nMimeType=image/png;\n");
    desktop("home", "gone.desktop", "Name=Gone\nExec=g %f\nHidden=true\n");  // deletes the system's
    desktop("system", "gone.desktop", "Name=Gone\nExec=g %f\nMimeType=image/png;\n");
    desktop("system", "missing.desktop", "Name=Missing\nExec=m %f\nTryExec=/no/such/program\nMimeType=image/png;\n");
    desktop("system", "present.desktop", "Name=Present\nExec=p %f\nTryExec=sh\nMimeType=image/png;\n");
    desktop("system", "kde/only.desktop", "Name=Only KDE\nExec=o %f\nOnlyShowIn=KDE;\nMimeType=image/png;\n");
    desktop("system", "kde/gnome.desktop", "Name=Zed GNOME\nExec=z %f\nOnlyShowIn=GNOME;\nMimeType=image/png;\n");
    desktop("system", "not.desktop", "Name=Not GNOME\nExec=n %f\nNotShowIn=GNOME;\nMimeType=image/png;\n");
    desktop("system", "text.desktop", "Name=Editor\nExec=edit %f\nMimeType=text/plain;\n");
    desktop("system", "extra.desktop", "Name=Extra\nExec=x %f\nMimeType=text/plain;\n");
    std::filesystem::create_directories(dir.file("config"));
    // The user's list names an uninstalled default first; the next one counts. The system's
    // list adds a program to the type and takes one away.
    writeFile(dir.file("config/mimeapps.list"),
              "[Default Applications]\nimage/png=absent.desktop;kde-gnome.desktop;\n"
              "[Removed Associations]\nimage/png=alpha.desktop;\n");
    writeFile(dir.file("system/applications/mimeapps.list"),
              "[Added Associations]\nimage/png=extra.desktop;alpha.desktop;\n"
              "[Default Applications]\nimage/png=viewer.desktop\n");
    setenv("XDG_DATA_HOME", dir.file("home").c_str(), 1);
    setenv("XDG_DATA_DIRS", dir.file("system").c_str(), 1);
    setenv("XDG_CONFIG_HOME", dir.file("config").c_str(), 1);
    setenv("XDG_CONFIG_DIRS", dir.file("none").c_str(), 1);
    setenv("XDG_CURRENT_DESKTOP", "ubuntu:GNOME", 1);
    const std::vector<Application> found = applicationsFor("image/png");
    for (const char* name :
         {"XDG_DATA_HOME", "XDG_DATA_DIRS", "XDG_CONFIG_HOME", "XDG_CONFIG_DIRS", "XDG_CURRENT_DESKTOP"})
        unsetenv(name);
    std::vector<std::string> names;
    for (const Application& application : found) names.push_back(application.name);
    EXPECT_EQ(names, (Words{"Zed GNOME", "Extra", "My Viewer", "Present", "Quiet"}));
    EXPECT_EQ(found[2].exec, "myview %f");  // the user's own entry hides the system's
}
