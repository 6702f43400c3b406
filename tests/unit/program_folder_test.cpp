#include "app/program_folder.h"
#include "config/paths.h"

#include <filesystem>
#include <gtest/gtest.h>

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
