#include "platform/file_ops.h"
#include "display/picture.h"
#include "file_system.h"
#include "temp_dir.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
using Names = std::set<std::string>;
Names namesIn(const std::string& folder) {
    Names names;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) names.insert(entry.path().filename().string());
    return names;
}

struct stat statOf(const std::string& path) {
    struct stat st {};
    ::lstat(path.c_str(), &st);
    return st;
}

// A file with these bytes, these permission bits and times from 2001.
void writeDated(const std::string& path, const std::string& bytes, mode_t mode) {
    writeFile(path, bytes);
    ::chmod(path.c_str(), mode);
    const timespec times[2] = {{1000000000, 123456789}, {1000000500, 987654321}};
    ::utimensat(AT_FDCWD, path.c_str(), times, 0);
}

void expectSameTimesAndBits(const std::string& copy, const std::string& original) {
    const struct stat a = statOf(copy), b = statOf(original);
    EXPECT_EQ(a.st_mode & 07777, b.st_mode & 07777) << copy;
    EXPECT_EQ(a.st_mtim.tv_sec, b.st_mtim.tv_sec) << copy;
    EXPECT_EQ(a.st_mtim.tv_nsec, b.st_mtim.tv_nsec) << copy;
    EXPECT_EQ(a.st_atim.tv_sec, b.st_atim.tv_sec) << copy;
}
}  // namespace

TEST(WholeFileWrites, OnAFullDiskTheOldFileStaysWholeAndNoTemporaryIsLeft) {
    SmallDisk disk(256 * 1024);
    if (!disk.mounted()) GTEST_SKIP() << "cannot mount a small file system here";
    const std::string old(20000, 'o');
    for (const char* name : {"shot.jpg", "copy.bin"}) writeFile(disk.file(name), old);
    writeFile(disk.file("filler"), std::string(190000, 'f'));  // leaves too little for any new file

    QImage noise(400, 400, QImage::Format_RGB32);
    for (int y = 0; y < noise.height(); ++y)
        for (int x = 0; x < noise.width(); ++x) noise.setPixel(x, y, uint32_t(x * 7919 ^ y * 104729));
    Picture picture;
    picture.loadBitmap(noise);
    EXPECT_EQ(picture.save(disk.file("shot.jpg"), Picture::Jpeg, 400, 400), Picture::SaveFailed);
    TempDir elsewhere;
    writeFile(elsewhere.file("big.bin"), std::string(40000, 'b'));
    EXPECT_FALSE(copyFile(elsewhere.file("big.bin"), disk.file("copy.bin"), Existing::Replace));
    for (const char* name : {"shot.jpg", "copy.bin"}) EXPECT_EQ(readFile(disk.file(name)), old) << name;
    EXPECT_EQ(namesIn(disk.path()), (Names{"shot.jpg", "copy.bin", "filler"}));
}

TEST(Copies, KeepTimesAndBitsNeverReplaceUnaskedAndNeverFollowALinkPlantedBesideThem) {
    TempDir dir;
    const std::string odd = dir.file("\xff\xfe photo.jpg");  // not UTF-8
    writeDated(odd, "picture", 0640);
    writeFile(dir.file("victim"), "precious");
    // Links where a predictable temporary name would be.
    fs::create_symlink(dir.file("victim"), dir.file(".copy.jpg.vimble-copy"));
    fs::create_symlink(dir.file("victim"), dir.file(".\xff\xfe photo.jpg.vimble-copy"));
    EXPECT_TRUE(copyFile(odd, dir.file("copy.jpg"), Existing::Keep));
    EXPECT_EQ(readFile(dir.file("copy.jpg")), "picture");
    expectSameTimesAndBits(dir.file("copy.jpg"), odd);
    EXPECT_EQ(readFile(dir.file("victim")), "precious");

    writeFile(dir.file("old.jpg"), "old");
    errno = 0;
    EXPECT_FALSE(copyFile(odd, dir.file("old.jpg"), Existing::Keep));
    EXPECT_EQ(errno, EEXIST);
    EXPECT_EQ(readFile(dir.file("old.jpg")), "old");
    EXPECT_TRUE(copyFile(odd, dir.file("old.jpg"), Existing::Replace));
    EXPECT_EQ(readFile(dir.file("old.jpg")), "picture");
    EXPECT_FALSE(copyFile(dir.file("missing.jpg"), dir.file("x.jpg"), Existing::Replace));
    EXPECT_EQ(namesIn(dir.path()).size(), 6u);  // no temporary left behind
}

TEST(Moves, NeverReplaceUnaskedAndAcrossFileSystemsKeepTimesAndBits) {
    TempDir dir;
    writeFile(dir.file("a.jpg"), "a");
    writeFile(dir.file("b.jpg"), "b");
    fs::create_symlink("nowhere", dir.file("dangling.jpg"));
    for (const char* taken : {"b.jpg", "dangling.jpg"}) {
        errno = 0;
        EXPECT_FALSE(moveFile(dir.file("a.jpg"), dir.file(taken), Existing::Keep)) << taken;
        EXPECT_EQ(errno, EEXIST);
    }
    EXPECT_EQ(readFile(dir.file("a.jpg")), "a");
    EXPECT_EQ(readFile(dir.file("b.jpg")), "b");
    EXPECT_TRUE(fs::is_symlink(dir.file("dangling.jpg")));
    EXPECT_TRUE(moveFile(dir.file("a.jpg"), dir.file("b.jpg"), Existing::Replace));
    EXPECT_EQ(readFile(dir.file("b.jpg")), "a");
    EXPECT_FALSE(fs::exists(dir.file("a.jpg")));

    SmallDisk other(1 << 20);
    if (!other.mounted()) GTEST_SKIP() << "cannot mount a second file system here";
    writeDated(dir.file("far.png"), std::string(100000, 'x'), 0604);
    const struct stat before = statOf(dir.file("far.png"));
    writeFile(other.file("there.png"), "old");
    EXPECT_TRUE(moveFile(dir.file("far.png"), other.file("there.png"), Existing::Replace));
    EXPECT_FALSE(fs::exists(dir.file("far.png")));
    EXPECT_EQ(readFile(other.file("there.png")), std::string(100000, 'x'));
    EXPECT_EQ(statOf(other.file("there.png")).st_mtim.tv_nsec, before.st_mtim.tv_nsec);
    EXPECT_EQ(statOf(other.file("there.png")).st_mode & 0777, 0604u);
    EXPECT_EQ(namesIn(other.path()), Names{"there.png"});
}

class TrashTest : public testing::Test {
protected:
    void SetUp() override { setenv("XDG_DATA_HOME", home.file("data").c_str(), 1); }
    void TearDown() override { unsetenv("XDG_DATA_HOME"); }
    TempDir home;
};

TEST_F(TrashTest, TheHomeTrashKeepsEveryFileUnderANameFreeInBothFolders) {
    for (int i = 0; i < 2; ++i) {
        writeFile(home.file("a b.jpg"), "v" + std::to_string(i));
        EXPECT_TRUE(moveToTrash(home.file("a b.jpg")));
        EXPECT_FALSE(fs::exists(home.file("a b.jpg")));
    }
    const std::string trash = home.file("data/Trash");
    EXPECT_EQ(readFile(trash + "/files/a b.jpg"), "v0");
    EXPECT_EQ(readFile(trash + "/files/a b.jpg.2"), "v1");
    const std::string info = readFile(trash + "/info/a b.jpg.trashinfo");
    EXPECT_EQ(info.rfind("[Trash Info]\nPath=" + home.path() + "/a%20b.jpg\nDeletionDate=", 0), 0u) << info;
    for (const char* folder : {"", "/files", "/info"}) EXPECT_EQ(statOf(trash + folder).st_mode & 0777, 0700u);

    // A file left in files/ without its info, and a link to nothing: neither is replaced.
    writeFile(trash + "/files/c.jpg", "orphan");
    fs::create_symlink("nowhere", trash + "/files/c.jpg.2");
    writeFile(home.file("c.jpg"), "new");
    EXPECT_TRUE(moveToTrash(home.file("c.jpg")));
    EXPECT_EQ(readFile(trash + "/files/c.jpg"), "orphan");
    EXPECT_TRUE(fs::is_symlink(trash + "/files/c.jpg.2"));
    EXPECT_EQ(readFile(trash + "/files/c.jpg.3"), "new");
    EXPECT_FALSE(fs::exists(trash + "/info/c.jpg.trashinfo"));
    EXPECT_FALSE(moveToTrash(home.file("missing.jpg")));
}

TEST_F(TrashTest, AFileOnAnotherFileSystemGoesToItsTrashOrIsCopiedToTheHomeTrashWhole) {
    SmallDisk disk(1 << 20);
    if (!disk.mounted()) GTEST_SKIP() << "cannot mount a second file system here";
    fs::create_directories(disk.file("pics"));
    writeFile(disk.file("pics/a.jpg"), "a");
    EXPECT_TRUE(moveToTrash(disk.file("pics/a.jpg")));
    const std::string own = disk.file(".Trash-" + std::to_string(getuid()));
    EXPECT_EQ(readFile(own + "/files/a.jpg"), "a");
    EXPECT_EQ(readFile(own + "/info/a.jpg.trashinfo").rfind("[Trash Info]\nPath=pics/a.jpg\n", 0), 0u);
    EXPECT_EQ(statOf(own).st_mode & 0777, 0700u);
    EXPECT_FALSE(fs::exists(home.file("data/Trash/files/a.jpg")));
    // A shared trash with the sticky bit takes precedence.
    fs::create_directories(disk.file(".Trash"));
    ::chmod(disk.file(".Trash").c_str(), 01777);
    writeFile(disk.file("pics/b.jpg"), "b");
    EXPECT_TRUE(moveToTrash(disk.file("pics/b.jpg")));
    EXPECT_EQ(readFile(disk.file(".Trash/" + std::to_string(getuid()) + "/files/b.jpg")), "b");

    // The disk's top folder is root's: no trash of nobody's own there, so the home trash takes a
    // copy; where the source cannot go, the copy is dropped.
    fs::remove_all(disk.file(".Trash"));
    writeFile(disk.file("pics/locked.jpg"), "locked");
    fs::create_directories(disk.file("open"));
    writeFile(disk.file("open/free.jpg"), "free");
    ASSERT_TRUE(openToNobody(disk.path(), false) && openToNobody(disk.file("pics"), false) &&
                openToNobody(disk.file("open"), true) && openToNobody(home.path(), true));
    fs::remove_all(home.file("data"));
    const auto trashed =
        asNobody([&] { return !moveToTrash(disk.file("pics/locked.jpg")) && moveToTrash(disk.file("open/free.jpg")); });
    if (!trashed) GTEST_SKIP() << "cannot run as another user here";
    EXPECT_TRUE(*trashed);
    EXPECT_EQ(readFile(disk.file("pics/locked.jpg")), "locked");
    EXPECT_FALSE(fs::exists(disk.file("open/free.jpg")));
    EXPECT_EQ(namesIn(home.file("data/Trash/files")), Names{"free.jpg"});
    EXPECT_EQ(namesIn(home.file("data/Trash/info")), Names{"free.jpg.trashinfo"});
    EXPECT_EQ(readFile(home.file("data/Trash/files/free.jpg")), "free");
}
