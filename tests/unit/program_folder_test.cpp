#include "app/program_folder.h"
#include "config/paths.h"
#include "temp_dir.h"

#include <filesystem>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

TEST(ProgramFolder, DataFolderFollowsTheOverrideThenTheProgramFolderThenTheConfigFolder) {
    EXPECT_EQ(chooseDataFolder("/tmp/home", "/opt/vimble", true, "/x", "/home/u"), "/tmp/home");
    EXPECT_EQ(chooseDataFolder("", "/opt/vimble", true, "/x", "/home/u"), "/opt/vimble");
    EXPECT_EQ(chooseDataFolder("", "/usr/bin", false, "/home/u/cfg", "/home/u"), "/home/u/cfg/vimble");
    EXPECT_EQ(chooseDataFolder("", "/usr/bin", false, "", "/home/u"), "/home/u/.config/vimble");
    // A relative XDG_CONFIG_HOME is not a valid base folder.
    EXPECT_EQ(chooseDataFolder("", "/usr/bin", false, "cfg", "/home/u"), "/home/u/.config/vimble");
}

TEST(ProgramFolder, FolderOfCutsAtTheLastSlashAndKeepsAnyBytes) {
    EXPECT_EQ(folderOf("/opt/vimble/vimble"), "/opt/vimble");
    EXPECT_EQ(folderOf("/vimble"), "/");
    EXPECT_EQ(folderOf("vimble"), "");
    EXPECT_EQ(folderOf("/data/\xff\xfe name/vimble"), "/data/\xff\xfe name");
}

TEST(ProgramFolder, LocatesTheRunningProgramAndHonoursTheOverride) {
    setenv("VIMBLE_HOME", "/tmp", 1);
    const ProgramFolders folders = locateProgramFolders();
    unsetenv("VIMBLE_HOME");
    EXPECT_EQ(folders.dataFolder, "/tmp");
    EXPECT_TRUE(std::filesystem::exists(folders.executableFolder + "/vimble_unit_tests"));
}

TEST(ProgramFolder, OnlyStaleTemporariesOfInterruptedSavesAreRemoved) {
    TempDir dir;
    const timespec anHourAgo[2] = {{time(nullptr) - 3600, 0}, {time(nullptr) - 3600, 0}};
    for (const char* name : {"vimble.ini.Ab3xY9", "wallpaper.ini.q1W2e3", "vimble.ini", "vimble.ini.backup",
                             "vimble.ini.Ab3-Y9", "photo.jpg.Ab3xY9"}) {
        writeFile(dir.file(name), "x");
        utimensat(AT_FDCWD, dir.file(name).c_str(), anHourAgo, 0);
    }
    writeFile(dir.file("vimble.ini.Zz9aB1"), "a save under way");
    removeStaleTemporaries(dir.path());
    for (const char* gone : {"vimble.ini.Ab3xY9", "wallpaper.ini.q1W2e3"})
        EXPECT_FALSE(std::filesystem::exists(dir.file(gone))) << gone;
    for (const char* kept :
         {"vimble.ini", "vimble.ini.backup", "vimble.ini.Ab3-Y9", "photo.jpg.Ab3xY9", "vimble.ini.Zz9aB1"})
        EXPECT_TRUE(std::filesystem::exists(dir.file(kept))) << kept;
}
