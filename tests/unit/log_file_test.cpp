#include "shell/log_file.h"
#include "temp_dir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

TEST(LogFile, AppendsToAnyNameEscapesControlCharactersAndFailsQuietlyWhereItCannotOpen) {
    TempDir dir;
    const std::string path = dir.file("log \xff\xfe.txt");             // a name that is not UTF-8
    EXPECT_TRUE(LogFile(path, "a").write("/pictures/caf\xe9.jpg\n"));  // Latin-1 bytes, kept as they are
    // A name cannot forge a line of its own.
    LogFile(path, "a").writeLine("/p/x\\y\nb\n/p/fake.jpg\r\t\x1b[2J\x7f\xc3\xa9.jpg");
    EXPECT_EQ(readFile(path), "/pictures/caf\xe9.jpg\n/p/x\\\\y\\nb\\n/p/fake.jpg\\r\\t\\x1b[2J\\x7f\xc3\xa9.jpg\n");
    LogFile missing(dir.file("missing/errors.log"), "a");
    EXPECT_FALSE(missing.isOpen());
    EXPECT_FALSE(missing.write("lost\n"));
    ASSERT_EQ(mkfifo(dir.file("fifo.log").c_str(), 0600), 0);  // nobody reads it: no waiting
    EXPECT_FALSE(LogFile(dir.file("fifo.log"), "a").isOpen());
}
