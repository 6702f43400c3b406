#include "catalog/ordering.h"
#include "shell/shell_link.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

namespace {
std::vector<std::string> pathsOf(const ImageList& list) {
    std::vector<std::string> paths;
    for (const ImageEntry& e : list) paths.push_back(e.path);
    return paths;
}
}  // namespace

TEST(Ordering, NamesSortByUtf16CodeUnitOverTheWholePathCaseSensitively) {
    ImageList list{{"/x/a.jpg"}, {"/x/sub/1.jpg"}, {"/x/Z.jpg"}, {"/x/B.jpg"}};
    uint32_t current = 0;
    orderList(list, current, "", SortOrder::Forward, SortKey::Name);
    // "/" lies between the upper-case and the lower-case letters.
    EXPECT_EQ(pathsOf(list), (std::vector<std::string>{"/x/B.jpg", "/x/Z.jpg", "/x/a.jpg", "/x/sub/1.jpg"}));
    // U+FF21 (3 bytes in UTF-8) sorts after U+1F4F7 (4 bytes) in UTF-16, unlike in UTF-8 bytes;
    // a byte that is not UTF-8 sorts as U+DC80..U+DCFF, after "é" (U+00E9).
    const ImageEntry fullwidth{"/p/\xef\xbc\xa1.jpg"}, camera{"/p/\xf0\x9f\x93\xb7.jpg"};
    EXPECT_TRUE(comesBeforeByName(camera, fullwidth));
    EXPECT_FALSE(comesBeforeByName(fullwidth, camera));
    EXPECT_TRUE(comesBeforeByName(ImageEntry{"/p/\xc3\xa9.jpg"}, ImageEntry{"/p/\xe9.jpg"}));
    EXPECT_TRUE(comesBeforeByName(ImageEntry{"/p/a"}, ImageEntry{"/p/a.jpg"}));
    EXPECT_FALSE(comesBeforeByName(ImageEntry{"/p/a"}, ImageEntry{"/p/a"}));
}

TEST(Ordering, TimesSortAscendingReverseGivesTheNewestFirstAndTheCurrentPictureIsFoundAgain) {
    ImageList list{{"/b", 30, 1, 0}, {"/a", 10, 3, 0}, {"/c", 20, 2, 0}};
    uint32_t current = 0;
    orderList(list, current, "/c", SortOrder::Reverse, SortKey::Created);
    EXPECT_EQ(pathsOf(list), (std::vector<std::string>{"/b", "/c", "/a"}));
    EXPECT_EQ(current, 1u);
    orderList(list, current, "/c", SortOrder::Forward, SortKey::Modified);
    EXPECT_EQ(pathsOf(list), (std::vector<std::string>{"/b", "/c", "/a"}));
}

TEST(Ordering, EveryShuffleGivesANewOrderOfTheSameEntries) {
    ImageList list;
    for (int i = 0; i < 50; ++i) list.push_back({"/p/" + std::to_string(i)});
    const ImageList before = list;
    uint32_t current = 7;
    std::srand(1);
    orderList(list, current, "/p/7", SortOrder::Random, SortKey::Name);
    EXPECT_NE(pathsOf(list), pathsOf(before));
    EXPECT_EQ(list[current].path, "/p/7");
    const ImageList firstShuffle = list;
    orderList(list, current, "/p/7", SortOrder::Random, SortKey::Name);
    EXPECT_NE(pathsOf(list), pathsOf(firstShuffle));
    ImageList expected = before;
    orderList(list, current, "", SortOrder::Forward, SortKey::Name);
    orderList(expected, current, "", SortOrder::Forward, SortKey::Name);
    EXPECT_EQ(pathsOf(list), pathsOf(expected));
}

TEST(Ordering, ThePictureOnShowIsFoundAgainThroughShortcuts) {
    TempDir dir;
    writeFile(dir.file("a.jpg"), "x");
    writeFile(dir.file("b.jpg"), "x");
    ASSERT_TRUE(ShellLink().createShortcut(dir.file("b.jpg"), dir.file("to-b.lnk")));
    writeFile(dir.file("damaged.lnk"), "not a shortcut");
    // Shown through a shortcut that the list no longer holds: the entry of its target.
    ImageList list{{dir.file("a.jpg")}, {dir.file("b.jpg")}};
    uint32_t current = 0;
    findCurrent(list, current, dir.file("to-b.lnk"));
    EXPECT_EQ(current, 1u);
    // Shown as a file that the list now holds through a shortcut: that shortcut's entry.
    list = {{dir.file("damaged.lnk")}, {dir.file("a.jpg")}, {dir.file("to-b.lnk")}};
    current = 0;
    findCurrent(list, current, dir.file("b.jpg"));
    EXPECT_EQ(current, 2u);
    current = 1;
    findCurrent(list, current, dir.file("gone.jpg"));
    EXPECT_EQ(current, 1u);
}
