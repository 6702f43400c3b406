#include "shell/unique_name.h"
#include "platform/file_ops.h"
#include "temp_dir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

TEST(UniqueName, TakenNamesGetANumberBeforeTheirExtension) {
    TempDir dir;
    std::string path = dir.file("a.jpg.lnk");
    EXPECT_TRUE(makeUniqueName(path));
    EXPECT_EQ(path, dir.file("a.jpg.lnk"));  // free: unchanged
    writeFile(path, "x");
    writeFile(dir.file("a.jpg-01.lnk"), "x");
    EXPECT_TRUE(makeUniqueName(path));
    EXPECT_EQ(path, dir.file("a.jpg-02.lnk"));

    std::string plain = dir.file("notes.d/README");  // a dot in the folder only
    std::filesystem::create_directories(dir.file("notes.d"));
    writeFile(plain, "x");
    EXPECT_TRUE(makeUniqueName(plain));
    EXPECT_EQ(plain, dir.file("notes.d/README-01"));
}

TEST(UniqueName, ANameIsTakenByAnythingThereAndARaceMovesOnToTheNextName) {
    TempDir dir;
    std::filesystem::create_symlink("nowhere", dir.file("c.jpg"));  // cannot be opened, yet taken
    ASSERT_EQ(mkfifo(dir.file("c-01.jpg").c_str(), 0600), 0);       // opening it would wait for a writer
    std::string path = dir.file("c.jpg");
    EXPECT_TRUE(makeUniqueName(path));
    EXPECT_EQ(path, dir.file("c-02.jpg"));

    // Another program takes the free name between the test and the copy.
    writeFile(dir.file("source.jpg"), "mine");
    path = dir.file("c.jpg");
    int tries = 0;
    EXPECT_EQ(placeUnderFreeName(path,
                                 [&](const std::string& name) {
                                     if (tries++ == 0) writeFile(name, "theirs");
                                     return copyFile(dir.file("source.jpg"), name, Existing::Keep);
                                 }),
              Placed::Done);
    EXPECT_EQ(path, dir.file("c-03.jpg"));
    EXPECT_EQ(readFile(dir.file("c-02.jpg")), "theirs");
    EXPECT_EQ(readFile(dir.file("c-03.jpg")), "mine");
    path = dir.file("source.jpg");
    EXPECT_EQ(placeUnderFreeName(
                  path, [&](const std::string& name) { return copyFile(dir.file("gone"), name, Existing::Keep); }),
              Placed::Failed);
}
