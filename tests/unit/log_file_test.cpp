#include "shell/log_file.h"
#include "temp_dir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

TEST(LogFile, AppendCreatesTheFileThenAddsToIt) {
    TempDir dir;
    const std::string path = dir.file("errors.log");
    {
        LogFile log(path, "a");
        ASSERT_TRUE(log.isOpen());
        EXPECT_TRUE(log.write("/pictures/one.jpg\n"));
    }
    {
        LogFile log(path, "a");
        EXPECT_TRUE(log.write("/pictures/two.jpg\n"));
    }
    EXPECT_EQ(readFile(path), "/pictures/one.jpg\n/pictures/two.jpg\n");
}

TEST(LogFile, OpensAndWritesNamesThatAreNotUtf8) {
    TempDir dir;
    const std::string path = dir.file("log \xff\xfe.txt");
    const std::string line = "/pictures/caf\xe9.jpg\n";  // Latin-1 bytes, kept as they are
    { LogFile(path, "a").write(line); }
    EXPECT_EQ(readFile(path), line);
}

TEST(LogFile, AFileThatCannotOpenWritesNothingAndFailsQuietly) {
    TempDir dir;
    LogFile log(dir.file("missing/errors.log"), "a");
    EXPECT_FALSE(log.isOpen());
    EXPECT_FALSE(log.write("lost\n"));
    ASSERT_EQ(mkfifo(dir.file("fifo.log").c_str(), 0600), 0);  // nobody reads it: no waiting
    EXPECT_FALSE(LogFile(dir.file("fifo.log"), "a").isOpen());
}

TEST(LogFile, ALineEscapesControlCharactersSoANameCannotForgeLines) {
    TempDir dir;
    const std::string path = dir.file("errors.log");
    LogFile(path, "a").writeLine("/p/x\\y\nb\n/p/fake.jpg\r\t\x1b[2J\x7f\xc3\xa9.jpg");
    EXPECT_EQ(readFile(path), "/p/x\\\\y\\nb\\n/p/fake.jpg\\r\\t\\x1b[2J\\x7f\xc3\xa9.jpg\n");
}
