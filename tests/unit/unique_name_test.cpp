#include "shell/unique_name.h"
#include "temp_dir.h"

#include <filesystem>
#include <gtest/gtest.h>

TEST(UniqueName, TakenNamesGetANumberBeforeTheirExtensionUpToNinetyNine) {
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

    std::string full = dir.file("b.png");
    writeFile(full, "x");
    for (int n = 1; n <= 99; ++n) {
        char name[16];
        std::snprintf(name, sizeof name, "b-%02d.png", n);
        writeFile(dir.file(name), "x");
    }
    EXPECT_FALSE(makeUniqueName(full));
}
