#include "platform/file_ops.h"
#include "temp_dir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

TEST(FileOps, CopyAndMoveReplaceTheDestinationAndKeepAnyName) {
    TempDir dir;
    const std::string odd = dir.file("\xff\xfe photo.jpg");  // not UTF-8
    writeFile(odd, "picture");
    writeFile(dir.file("old.jpg"), "old");
    EXPECT_TRUE(copyFile(odd, dir.file("old.jpg")));
    EXPECT_EQ(readFile(dir.file("old.jpg")), "picture");
    EXPECT_EQ(readFile(odd), "picture");
    EXPECT_TRUE(moveFile(odd, dir.file("moved.jpg")));
    EXPECT_FALSE(std::filesystem::exists(odd));
    EXPECT_EQ(readFile(dir.file("moved.jpg")), "picture");
    EXPECT_FALSE(copyFile(dir.file("missing.jpg"), dir.file("x.jpg")));
    EXPECT_FALSE(moveFile(dir.file("missing.jpg"), dir.file("x.jpg")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("x.jpg")));
    // Only the two files: no temporary copy left behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);
}

TEST(FileOps, AMoveToAnotherFileSystemCopiesBeforeItRemoves) {
    struct stat shm {}, tmp {};
    TempDir dir;
    if (stat("/dev/shm", &shm) != 0 || stat(dir.path().c_str(), &tmp) != 0 || shm.st_dev == tmp.st_dev)
        GTEST_SKIP() << "no second file system to move across";
    const std::string source = "/dev/shm/vimble-move-" + std::to_string(getpid()) + ".png";
    writeFile(source, std::string(100000, 'x'));
    EXPECT_TRUE(moveFile(source, dir.file("here.png")));
    EXPECT_FALSE(std::filesystem::exists(source));
    EXPECT_EQ(readFile(dir.file("here.png")).size(), 100000u);
}

TEST(FileOps, TheTrashKeepsTheFileAndWhereItCameFrom) {
    TempDir dir;
    setenv("XDG_DATA_HOME", dir.file("data").c_str(), 1);
    for (int i = 0; i < 2; ++i) {
        writeFile(dir.file("a b.jpg"), "v" + std::to_string(i));
        EXPECT_TRUE(moveToTrash(dir.file("a b.jpg")));
        EXPECT_FALSE(std::filesystem::exists(dir.file("a b.jpg")));
    }
    EXPECT_EQ(readFile(dir.file("data/Trash/files/a b.jpg")), "v0");
    EXPECT_EQ(readFile(dir.file("data/Trash/files/a b.jpg.2")), "v1");  // a second of the same name
    const std::string info = readFile(dir.file("data/Trash/info/a b.jpg.trashinfo"));
    EXPECT_EQ(info.rfind("[Trash Info]\nPath=" + dir.path() + "/a%20b.jpg\nDeletionDate=", 0), 0u) << info;
    EXPECT_FALSE(moveToTrash(dir.file("missing.jpg")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("data/Trash/info/missing.jpg.trashinfo")));
    unsetenv("XDG_DATA_HOME");
}
