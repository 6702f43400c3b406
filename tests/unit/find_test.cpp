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
