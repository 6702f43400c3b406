#include "app/program_folder.h"
#include "config/paths.h"
#include "temp_dir.h"

#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {
ProgramFolders folders(const char* vimbleHome, const char* executableFolder, bool writable, bool installed,
                       const char* xdgConfigHome = "/home/u/cfg", const char* xdgStateHome = "/home/u/st") {
    return chooseProgramFolders(
        {vimbleHome, executableFolder, writable, installed, xdgConfigHome, xdgStateHome, "/home/u"});
}
}  // namespace

TEST(ProgramFolder, FilesGoToTheOverrideTheProgramsOwnFolderOrTheXdgFoldersWhenInstalled) {
    EXPECT_EQ(folders("/tmp/home", "/opt/vimble", true, true).stateFolder, "/tmp/home");
    const ProgramFolders own = folders("", "/opt/vimble", true, false);
    EXPECT_EQ(own.dataFolder + own.stateFolder + own.helpFile, "/opt/vimble/opt/vimble/opt/vimble/Vimble.txt");
    EXPECT_EQ(folders("", "/usr/bin", false, false).dataFolder, "/home/u/cfg/vimble");
    EXPECT_EQ(folders("", "/usr/bin", false, false, "cfg").dataFolder, "/home/u/.config/vimble");  // not absolute
    const ProgramFolders installed = folders("", "/usr/local/bin", true, true);  // root can write there
    EXPECT_EQ(installed.dataFolder, "/home/u/cfg/vimble");
    EXPECT_EQ(installed.stateFolder, "/home/u/st/vimble");
    EXPECT_EQ(installed.helpFile, "/usr/local/share/vimble/Vimble.txt");
    EXPECT_EQ(folders("", "/usr/bin", true, true, "", "rel").stateFolder, "/home/u/.local/state/vimble");
    EXPECT_EQ(folderOf("/data/\xff\xfe name/vimble"), "/data/\xff\xfe name");
    EXPECT_EQ(folderOf("/vimble"), "/");

    // Installed is the build's own program folder, or a bin folder beside share/vimble/Vimble.txt.
    TempDir prefix;
    std::filesystem::create_directories(prefix.file("bin"));
    std::filesystem::create_directories(prefix.file("share/vimble"));
    EXPECT_TRUE(isInstalledProgram("/opt/x/bin", "/opt/x/bin"));
    EXPECT_FALSE(isInstalledProgram(prefix.file("bin"), "/usr/local/bin"));
    writeFile(prefix.file("share/vimble/Vimble.txt"), "help");
    EXPECT_TRUE(isInstalledProgram(prefix.file("bin"), "/usr/local/bin"));
    EXPECT_FALSE(isInstalledProgram(prefix.file("share"), "/usr/local/bin"));  // not a bin folder
}

TEST(ProgramFolder, OnlyStaleTemporariesOfInterruptedSavesAreRemoved) {
    TempDir dir;
    const timespec anHourAgo[2] = {{time(nullptr) - 3600, 0}, {time(nullptr) - 3600, 0}};
    for (const char* name : {"vimble.ini.Ab3xY9", "wallpaper.ini.q1W2e3", ".vimble-x7Kq2P", "vimble.ini",
                             "vimble.ini.backup", "vimble.ini.Ab3-Y9", "photo.jpg.Ab3xY9"}) {
        writeFile(dir.file(name), "x");
        utimensat(AT_FDCWD, dir.file(name).c_str(), anHourAgo, 0);
    }
    writeFile(dir.file("vimble.ini.Zz9aB1"), "a save under way");
    removeStaleTemporaries(dir.path());
    for (const char* gone : {"vimble.ini.Ab3xY9", "wallpaper.ini.q1W2e3", ".vimble-x7Kq2P"})
        EXPECT_FALSE(std::filesystem::exists(dir.file(gone))) << gone;
    for (const char* kept :
         {"vimble.ini", "vimble.ini.backup", "vimble.ini.Ab3-Y9", "photo.jpg.Ab3xY9", "vimble.ini.Zz9aB1"})
        EXPECT_TRUE(std::filesystem::exists(dir.file(kept))) << kept;
}
