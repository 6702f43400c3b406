#include "shell/shell_link.h"
#include "catalog/file_info.h"
#include "temp_dir.h"

#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace fs = std::filesystem;

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

namespace {
// A shortcut as Windows writes it: a local base path with a drive letter and a relative path
// with backslashes, both from the shortcut's own machine.
std::string windowsShortcut(const std::string& basePath, const std::string& relativePath) {
    std::string out;
    const auto put = [&out](uint64_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) out += char(i < 8 ? (value >> (8 * i)) & 0xff : 0);
    };
    put(0x4c, 4);
    out += std::string("\x01\x14\x02\x00\x00\x00\x00\x00\xc0\x00\x00\x00\x00\x00\x00\x46", 16);
    put(0x2 | 0x8 | 0x80, 4);  // link info, relative path, Unicode strings
    put(0x20, 4);              // an archived file
    put(0, 8 * 3 + 4 + 4);
    put(1, 4);
    put(0, 2 + 10);
    const uint32_t volumeSize = 0x11, baseOffset = 0x1c + volumeSize;
    const uint32_t suffixOffset = baseOffset + uint32_t(basePath.size()) + 1;
    for (uint32_t field : {suffixOffset + 1, 0x1cu, 1u, 0x1cu, baseOffset, 0u, suffixOffset}) put(field, 4);
    for (uint32_t field : {volumeSize, 3u, 0x1234u, 0x10u}) put(field, 4);
    out += '\0';
    out += basePath + '\0' + '\0';
    put(relativePath.size(), 2);
    for (char c : relativePath) put(uint8_t(c), 2);
    put(0, 4);
    return out;
}
}  // namespace

TEST(ShellLink, AShortcutWrittenOnWindowsLeadsThroughItsRelativePathAndTargetsEndWithoutASlash) {
    TempDir dir;
    fs::create_directories(dir.file("links"));
    fs::create_directories(dir.file("pics"));
    writeFile(dir.file("pics/a.jpg"), "x");
    writeFile(dir.file("links/a.lnk"), windowsShortcut("C:\\Users\\someone\\pics\\a.jpg", "..\\pics\\a.jpg"));
    for (bool resolve : {false, true}) {
        LinkTarget read;
        ASSERT_TRUE(ShellLink().readShortcut(dir.file("links/a.lnk"), read, resolve));
        EXPECT_EQ(read.path, dir.file("pics/a.jpg"));
    }

    ASSERT_TRUE(ShellLink().createShortcut(dir.file("pics") + "/", dir.file("folder.lnk")));
    LinkTarget folder;
    ASSERT_TRUE(ShellLink().readShortcut(dir.file("folder.lnk"), folder, false));
    EXPECT_EQ(folder.path, dir.file("pics"));
}
