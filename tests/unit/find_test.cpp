#include "catalog/find.h"

#include <gtest/gtest.h>

TEST(Find, TextMatchesWithOrWithoutCaseInThePathOrTheNameAloneWhateverItsBytes) {
    FindState find;
    find.text = "JPG";
    EXPECT_TRUE(find.matches("/pics/x.jpg"));
    find.matchCase = true;
    EXPECT_FALSE(find.matches("/pics/x.jpg"));
    find.matchCase = false;
    find.nameOnly = true;
    EXPECT_FALSE(find.matches("/pics/x.jpg"));  // only in the extension
    find.text = "pics";
    EXPECT_FALSE(find.matches("/pics/x.jpg"));  // only in a folder
    find.text = "ÉTÉ";
    EXPECT_TRUE(find.matches("/pics/été 2024.png"));
    EXPECT_TRUE(find.matches("/pics/\xff-été"));  // a name that is not UTF-8 is searched too
}

TEST(Find, TheNextMatchWrapsAroundAndFilterOrExcludeKeepsThePictureOnShow) {
    const ImageList list{{"/a/cat1.png"}, {"/a/dog.png"}, {"/a/cat2.png"}, {"/b/bird.png"}};
    FindState find;
    find.text = "cat";
    EXPECT_EQ(findMatch(list, 1, find), 2u);
    EXPECT_EQ(findMatch(list, 3, find), 0u);  // wraps from the last to the first
    ImageList kept = list, rest = list;
    uint32_t current = 3;
    filterList(kept, current, "/a/cat2.png", find, true);
    EXPECT_EQ(kept.size(), 2u);
    EXPECT_EQ(current, 1u);
    filterList(rest, current, "/a/cat2.png", find, false);
    EXPECT_EQ(rest.size(), 2u);
    EXPECT_EQ(current, 0u);  // the picture on show went with the matches
    find.text = "fish";
    EXPECT_FALSE(findMatch(list, 0, find));
}
