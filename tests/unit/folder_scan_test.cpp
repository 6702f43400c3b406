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
// The paths a scan lists, sorted unless asked for in the scan's order.
std::vector<std::string> scan(const std::vector<std::string>& roots, const Settings& settings = Settings(),
                              bool sorted = true) {
    ImageList list;
    scanFolders(roots, settings, list);
    std::vector<std::string> paths;
    for (const ImageEntry& e : list) paths.push_back(e.path);
    if (sorted) std::sort(paths.begin(), paths.end());
    return paths;
}
void touch(const std::string& path) {
    fs::create_directories(fs::path(path).parent_path());
    writeFile(path, "x");
}
}  // namespace

TEST(Formats, ExtensionsMatchIgnoringCaseAndOnlyWhenTheirFormatIsOn) {
    Settings s;
    for (const char* name : {"photo.JPG", "x.Jpeg", "archive.tar.gif", "a.png"})
        EXPECT_TRUE(matchesFormat(extensionOf(name), s)) << name;
    for (const char* name : {"README", "y.TIFF", "i.ico", "notes.txt", "dir.d/README"})
        EXPECT_FALSE(matchesFormat(extensionOf(name), s)) << name;
    s.tif = true;
    s.jpg = false;
    EXPECT_TRUE(matchesFormat(extensionOf("y.TIFF"), s));
    EXPECT_FALSE(matchesFormat(extensionOf("photo.JPG"), s));
}

TEST(FolderScan, WalksBreadthFirstAndFiltersSubfoldersAndHiddenFolders) {
    TempDir dir;
    const std::string root = dir.file("root");
    for (const char* name :
         {"/deep/deeper/d.jpg", "/deep/c.png", "/b.gif", "/.hidden/h.jpg", "/.dotfile.jpg", "/t.txt"})
        touch(root + name);
    const std::vector<std::string> all = scan({root + "/"}, Settings(), false);
    ASSERT_EQ(all.size(), 5u);
    const auto at = [&](const char* name) { return std::find(all.begin(), all.end(), root + name) - all.begin(); };
    EXPECT_LT(at("/b.gif"), at("/deep/c.png"));
    EXPECT_LT(at("/deep/c.png"), at("/deep/deeper/d.jpg"));
    Settings s;
    s.hidden = false;  // hidden files are listed all the same
    EXPECT_EQ(scan({root}, s).size(), 4u);
    s.subfolders = false;
    EXPECT_EQ(scan({root}, s), (std::vector<std::string>{root + "/.dotfile.jpg", root + "/b.gif"}));
}

TEST(FolderScan, LinksCountAsTheirTargetsEveryFolderIsScannedOnceAndOnlyRegularFilesArePictures) {
    TempDir dir;
    const std::string root = dir.file("root"), other = dir.file("other");
    touch(root + "/sub/a.jpg");
    touch(other + "/o.png");
    touch(root + "/locked/x.jpg");
    touch(root + "/caf\xe9 \xff.jpg");  // not UTF-8
    writeFile(dir.file("target.jpg"), "picture");
    fs::create_symlink(dir.file("target.jpg"), root + "/link-to-picture");  // judged by the target's name
    fs::create_symlink(other, root + "/link-to-other");
    fs::create_symlink(other, root + "/sub/second-link-to-other");
    fs::create_symlink(root, root + "/sub/loop");  // back to an ancestor
    fs::create_symlink(dir.file("missing.jpg"), root + "/broken.jpg");
    for (const char* fifo : {"/f.jpg", "/f.lnk"}) ASSERT_EQ(mkfifo((root + fifo).c_str(), 0600), 0);  // never opened
    fs::create_symlink(root + "/f.jpg", root + "/to-fifo.jpg");
    chmod((root + "/locked").c_str(), 0);
    std::vector<std::string> found = scan({dir.file("missing"), root, root, other});
    chmod((root + "/locked").c_str(), 0755);
    if (geteuid() == 0) std::erase(found, root + "/locked/x.jpg");  // root reads it all the same
    EXPECT_EQ(found, (std::vector<std::string>{other + "/o.png", root + "/caf\xe9 \xff.jpg", root + "/link-to-picture",
                                               root + "/sub/a.jpg"}));
}

TEST(FolderScan, ShortcutsAreListedOrEnteredButNoLinkUpToTheFolderOrItsAncestorsIsFollowed) {
    TempDir dir;
    const std::string root = dir.file("root"), other = dir.file("other");
    for (const std::string& path :
         {root + "/a.jpg", root + "/sub/s.jpg", other + "/o.png", dir.file("far/holiday.jpg")})
        touch(path);
    const ShellLink link;
    ASSERT_TRUE(link.createShortcut(dir.file("far/holiday.jpg"), root + "/holiday.lnk"));
    ASSERT_TRUE(link.createShortcut(other + "/", root + "/other.lnk"));  // the target's slash: one slash
    ASSERT_TRUE(link.createShortcut(other, root + "/again.LNK"));
    ASSERT_TRUE(link.createShortcut(root, other + "/back.lnk"));
    ASSERT_TRUE(link.createShortcut(dir.path(), root + "/up.lnk"));
    ASSERT_TRUE(link.createShortcut(root, root + "/sub/self-and-up.lnk"));
    fs::create_symlink(dir.path(), root + "/sub/uplink");
    fs::create_symlink("..", root + "/sub/parent");
    writeFile(root + "/damaged.lnk", "not a shortcut");
    EXPECT_EQ(scan({root}), (std::vector<std::string>{other + "/o.png", root + "/a.jpg", root + "/holiday.lnk",
                                                      root + "/sub/s.jpg"}));
    Settings noJpg;
    noJpg.jpg = false;
    EXPECT_EQ(scan({root}, noJpg), (std::vector<std::string>{other + "/o.png"}));
}
