#include "catalog/folder_scan.h"
#include "catalog/file_info.h"
#include "catalog/formats.h"
#include "shell/shell_link.h"
#include "temp_dir.h"

#include <algorithm>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {
std::vector<std::string> scan(const std::vector<std::string>& roots, const Settings& settings = Settings()) {
    ImageList list;
    scanFolders(roots, settings, list);
    std::vector<std::string> paths;
    for (const ImageEntry& e : list) paths.push_back(e.path);
    return paths;
}
void touch(const std::string& path) {
    fs::create_directories(fs::path(path).parent_path());
    writeFile(path, "x");
}
}  // namespace

TEST(Formats, ExtensionsMatchIgnoringCaseAndOnlyWhenTheirFormatIsOn) {
    Settings s;
    for (const char* name : {"photo.JPG", "x.Jpeg", "archive.tar.gif", "a.png", "b.bmp"})
        EXPECT_TRUE(matchesFormat(extensionOf(name), s)) << name;
    for (const char* name : {"README", "y.TIFF", "i.ico", "m.emf", "notes.txt", "dir.d/README"})
        EXPECT_FALSE(matchesFormat(extensionOf(name), s)) << name;
    s.tif = true;
    s.jpg = false;
    EXPECT_TRUE(matchesFormat(extensionOf("y.TIFF"), s));
    EXPECT_FALSE(matchesFormat(extensionOf("photo.JPG"), s));
}

TEST(FolderScan, WalksBreadthFirstAndFiltersSubfoldersAndHiddenFolders) {
    TempDir dir;
    const std::string root = dir.file("root");
    touch(root + "/deep/deeper/d.jpg");
    touch(root + "/deep/c.png");
    touch(root + "/b.gif");
    touch(root + "/.hidden/h.jpg");
    touch(root + "/.dotfile.jpg");
    touch(root + "/notes.txt");

    std::vector<std::string> all = scan({root + "/"});
    ASSERT_EQ(all.size(), 5u);
    const auto position = [&](const std::string& p) { return std::find(all.begin(), all.end(), p) - all.begin(); };
    EXPECT_LT(position(root + "/b.gif"), position(root + "/deep/c.png"));
    EXPECT_LT(position(root + "/deep/c.png"), position(root + "/deep/deeper/d.jpg"));
    EXPECT_NE(position(root + "/.dotfile.jpg"), long(all.size()));  // hidden files are always listed

    Settings s;
    s.hidden = false;
    EXPECT_EQ(scan({root}, s).size(), 4u);
    s.subfolders = false;
    std::vector<std::string> top = scan({root}, s);
    std::sort(top.begin(), top.end());
    EXPECT_EQ(top, (std::vector<std::string>{root + "/.dotfile.jpg", root + "/b.gif"}));
}

TEST(FolderScan, LinksCountAsTheirTargetsAndEveryFolderIsScannedOnce) {
    TempDir dir;
    const std::string root = dir.file("root"), other = dir.file("other");
    touch(root + "/sub/a.jpg");
    touch(other + "/o.png");
    writeFile(dir.file("target.jpg"), "picture");
    fs::create_symlink(dir.file("target.jpg"), root + "/link-to-picture");  // judged by the target's name
    fs::create_symlink(other, root + "/link-to-other");
    fs::create_symlink(other, root + "/sub/second-link-to-other");
    fs::create_symlink(root, root + "/sub/loop");  // back to an ancestor
    fs::create_symlink(dir.file("missing.jpg"), root + "/broken.jpg");

    std::vector<std::string> found = scan({root, root, other});
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, (std::vector<std::string>{other + "/o.png", root + "/link-to-picture", root + "/sub/a.jpg"}));

    // The link's entry carries its target's times.
    struct timespec times[2] = {{1000000000, 0}, {1000000000, 0}};
    utimensat(AT_FDCWD, dir.file("target.jpg").c_str(), times, 0);
    ImageList list;
    scanFolders({root}, Settings(), list);
    const auto link =
        std::find_if(list.begin(), list.end(), [&](auto& e) { return e.path == root + "/link-to-picture"; });
    ASSERT_NE(link, list.end());
    EXPECT_EQ(link->modified, toFileTime(1000000000, 0));
}

TEST(FolderScan, UnreadableAndMissingFoldersAndOddNamesAreHandled) {
    TempDir dir;
    const std::string root = dir.file("root");
    touch(root + "/locked/x.jpg");
    touch(root + "/caf\xe9 \xff.jpg");  // not UTF-8
    chmod((root + "/locked").c_str(), 0);
    const std::vector<std::string> found = scan({dir.file("missing"), root + "/caf\xe9 \xff.jpg", root});
    chmod((root + "/locked").c_str(), 0755);
    EXPECT_NE(std::find(found.begin(), found.end(), root + "/caf\xe9 \xff.jpg"), found.end());
    if (geteuid() != 0) {  // root reads the locked folder anyway
        EXPECT_EQ(found.size(), 1u);
    }
}

TEST(FolderScan, OnlyRegularFilesArePicturesAndAFifoIsNeverOpened) {
    TempDir dir;
    touch(dir.file("a.jpg"));
    for (const char* fifo : {"b.jpg", "c.lnk"}) ASSERT_EQ(mkfifo(dir.file(fifo).c_str(), 0600), 0);
    fs::create_symlink(dir.file("b.jpg"), dir.file("d.jpg"));
    EXPECT_EQ(scan({dir.path()}), std::vector<std::string>{dir.file("a.jpg")});
}

TEST(FileInfo, TimesAreTicksSince1601) {
    EXPECT_EQ(toFileTime(0, 0), 116444736000000000ull);
    EXPECT_EQ(toFileTime(1, 999), 116444736000000000ull + 10000000 + 9);
    TempDir dir;
    writeFile(dir.file("f"), "abc");
    struct timespec times[2] = {{1700000000, 500}, {1600000000, 0}};
    utimensat(AT_FDCWD, dir.file("f").c_str(), times, 0);
    FileInfo info;
    ASSERT_TRUE(readFileInfo(dir.file("f"), info));
    EXPECT_EQ(info.accessed, toFileTime(1700000000, 500));
    EXPECT_EQ(info.modified, toFileTime(1600000000, 0));
    EXPECT_EQ(info.size, 3u);
    EXPECT_FALSE(info.directory);
    EXPECT_FALSE(readFileInfo(dir.file("none"), info));
}

TEST(FolderScan, ShortcutsToPicturesAreListedUnderTheirOwnPathAndShortcutsToFoldersAreEntered) {
    TempDir dir;
    const std::string root = dir.file("root"), other = dir.file("other");
    touch(root + "/a.jpg");
    touch(other + "/o.png");
    touch(dir.file("far/holiday.jpg"));
    const ShellLink link;
    ASSERT_TRUE(link.createShortcut(dir.file("far/holiday.jpg"), root + "/holiday.lnk"));
    ASSERT_TRUE(link.createShortcut(other, root + "/other.lnk"));
    ASSERT_TRUE(link.createShortcut(other, root + "/again.LNK"));
    ASSERT_TRUE(link.createShortcut(root, other + "/back.lnk"));  // a loop back to the root
    writeFile(root + "/damaged.lnk", "not a shortcut");

    std::vector<std::string> found = scan({root});
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, (std::vector<std::string>{other + "/o.png", root + "/a.jpg", root + "/holiday.lnk"}));

    Settings noJpg;
    noJpg.jpg = false;
    EXPECT_EQ(scan({root}, noJpg), (std::vector<std::string>{other + "/o.png"}));
}

TEST(FolderScan, LinksUpToTheFolderOrItsAncestorsAreNotFollowedAndTargetsGiveOneSlash) {
    TempDir dir;
    const std::string root = dir.file("root");
    touch(root + "/a.jpg");
    touch(root + "/sub/s.jpg");
    touch(dir.file("beside.jpg"));
    touch(dir.file("sibling/x.jpg"));
    touch(dir.file("other/o.png"));
    const ShellLink link;
    ASSERT_TRUE(link.createShortcut(dir.path(), root + "/up.lnk"));
    ASSERT_TRUE(link.createShortcut(root, root + "/sub/self-and-up.lnk"));
    fs::create_symlink(dir.path(), root + "/sub/uplink");
    fs::create_symlink("..", root + "/sub/parent");
    ASSERT_TRUE(link.createShortcut(dir.file("other") + "/", root + "/other.lnk"));

    std::vector<std::string> found = scan({root});
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, (std::vector<std::string>{dir.file("other/o.png"), root + "/a.jpg", root + "/sub/s.jpg"}));
}
