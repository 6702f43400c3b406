#include "catalog/file_info.h"
#include "shell/shell_link.h"
#include "temp_dir.h"

#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace fs = std::filesystem;

TEST(ShellLink, ShortcutNamesEndInLnkInAnyCase) {
    for (const char* name : {"holiday.lnk", "/p/x.LNK", "a.b.Lnk"}) EXPECT_TRUE(isShortcut(name)) << name;
    for (const char* name : {"lnk", "x.lnkx", "/p.lnk/x", "x.ln"}) EXPECT_FALSE(isShortcut(name)) << name;
}

TEST(ShellLink, AWrittenShortcutReadsBackItsTargetWithTheTargetsTimesAndSize) {
    TempDir dir;
    const std::string target = dir.file("caf\xe9 \xc3\xa9 pics/a.jpg");  // bytes that are not UTF-8, and some that are
    fs::create_directories(fs::path(target).parent_path());
    writeFile(target, "12345");
    struct timespec times[2] = {{1500000000, 0}, {1400000000, 700}};
    utimensat(AT_FDCWD, target.c_str(), times, 0);

    const ShellLink link;
    ASSERT_TRUE(link.createShortcut(target, dir.file("a.lnk")));
    LinkTarget read;
    ASSERT_TRUE(link.readShortcut(dir.file("a.lnk"), read, false));
    EXPECT_EQ(read.path, target);
    EXPECT_EQ(read.modified, toFileTime(1400000000, 700));
    EXPECT_EQ(read.accessed, toFileTime(1500000000, 0));
    EXPECT_EQ(read.size, 5u);
    EXPECT_FALSE(read.isFolder());

    ASSERT_TRUE(link.createShortcut(dir.file("caf\xe9 \xc3\xa9 pics"), dir.file("folder.lnk")));
    ASSERT_TRUE(link.readShortcut(dir.file("folder.lnk"), read, false));
    EXPECT_TRUE(read.isFolder());
}

TEST(ShellLink, ResolvingFollowsTheRelativePathWhenShortcutAndTargetMovedTogether) {
    TempDir dir;
    fs::create_directories(dir.file("old/pics"));
    writeFile(dir.file("old/pics/a.jpg"), "x");
    const ShellLink link;
    ASSERT_TRUE(link.createShortcut(dir.file("old/pics/a.jpg"), dir.file("old/a.lnk")));
    fs::rename(dir.file("old"), dir.file("new"));

    LinkTarget read;
    ASSERT_TRUE(link.readShortcut(dir.file("new/a.lnk"), read, false));
    EXPECT_EQ(read.path, dir.file("old/pics/a.jpg"));  // as recorded
    ASSERT_TRUE(link.readShortcut(dir.file("new/a.lnk"), read, true));
    EXPECT_EQ(read.path, dir.file("new/pics/a.jpg"));
}

TEST(ShellLink, SymbolicLinksReadAsShortcutsToWhatTheyName) {
    TempDir dir;
    writeFile(dir.file("t.png"), "xyz");
    fs::create_symlink(dir.file("t.png"), dir.file("link"));
    LinkTarget read;
    ASSERT_TRUE(ShellLink().readShortcut(dir.file("link"), read, false));
    EXPECT_EQ(read.path, fs::canonical(dir.file("t.png")).string());
    EXPECT_EQ(read.size, 3u);
    fs::create_symlink(dir.file("gone.png"), dir.file("broken"));
    EXPECT_FALSE(ShellLink().readShortcut(dir.file("broken"), read, false));
}

TEST(ShellLink, DamagedOrMissingShortcutsYieldNothingAndKeepThePreviousTarget) {
    TempDir dir;
    writeFile(dir.file("t.jpg"), "x");
    const ShellLink link;
    ASSERT_TRUE(link.createShortcut(dir.file("t.jpg"), dir.file("good.lnk")));
    const std::string good = readFile(dir.file("good.lnk"));

    LinkTarget read;
    read.path = "/previous.jpg";
    EXPECT_FALSE(link.readShortcut(dir.file("missing.lnk"), read, false));
    std::string garbage;
    for (int i = 0; i < 600; ++i) garbage += char((i * 131) % 256);
    for (const std::string& bytes : {std::string(), garbage, good.substr(0, 4), good.substr(0, 40), good.substr(0, 100),
                                     good.substr(0, 0x4c) + std::string("\xff\xff\xff\xff", 4),
                                     good + std::string(600 * 1024, '\0')}) {  // too large for a shortcut
        writeFile(dir.file("bad.lnk"), bytes);
        EXPECT_FALSE(link.readShortcut(dir.file("bad.lnk"), read, false));
        EXPECT_EQ(read.path, "/previous.jpg");
    }
    EXPECT_FALSE(link.createShortcut(dir.file("no-such-target.jpg"), dir.file("x.lnk")));
    EXPECT_FALSE(link.createShortcut(dir.file("t.jpg"), dir.file("bad.lnk")));  // never over another file
    EXPECT_EQ(readFile(dir.file("bad.lnk")).size(), good.size() + 600 * 1024);
}
