#include "config/settings_file.h"
#include "temp_dir.h"
#include "utf16_file.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

struct Values {
    uint16_t word = 0;
    bool flag = false;
    int32_t shortIn32 = 0;
    int32_t longValue = 0;
    int32_t octal16 = 0;
    uint32_t octal32 = 0;
    int32_t hex16 = 0;
    uint32_t hex32 = 0;
    float single = 0;
    double twice = 0;
    std::string text;

    std::vector<SettingBinding> table() {
        using T = SettingType;
        return {{"word", T::Word, &word},      {"flag", T::Bool, &flag},           {"short", T::Short, &shortIn32},
                {"long", T::Long, &longValue}, {"octal", T::ShortOctal, &octal16}, {"octal32", T::LongOctal, &octal32},
                {"hex", T::ShortHex, &hex16},  {"hex32", T::LongHex, &hex32},      {"float", T::Float, &single},
                {"double", T::Double, &twice}, {"text", T::String, &text}};
    }
};

// Reads the section "[S]" of a file holding the text into a fresh Values.
Values readText(const TempDir& dir, const std::string& text, const char* section = "[S]") {
    writeFile(dir.file("in.ini"), utf16File(text));
    Values v;
    SettingsFile(dir.file("in.ini"), SettingsFile::Read).readSection(v.table(), section);
    return v;
}

}  // namespace

TEST(SettingsFile, EveryTypeKeepsItsFormAndRoundTripsItsEdgeValues) {
    TempDir dir;
    Values out;
    out.word = 65535;
    out.flag = true;
    out.shortIn32 = 0x12349c40;  // only the low 16 bits (40000) are stored
    out.longValue = -2147483647 - 1;
    out.octal16 = 0755;
    out.octal32 = 037777777777u;
    out.hex16 = 0xbeef;
    out.hex32 = 0xdeadbeef;
    out.single = 1.5f;
    out.twice = 0.1;
    out.text = "/pictures/\xff\xfe odd bytes/caf\xc3\xa9";
    {
        SettingsFile file(dir.file("t.ini"), SettingsFile::Write);
        file.writeSection(out.table(), "[S]");
        ASSERT_TRUE(file.commit());
    }
    EXPECT_EQ(textOfUtf16File(readFile(dir.file("t.ini"))),
              "[S]\r\nword=-1\r\nflag=TRUE\r\nshort=-25536\r\nlong=-2147483648\r\noctal=755\r\n"
              "octal32=37777777777\r\nhex=beef\r\nhex32=deadbeef\r\nfloat=1.5\r\ndouble=0.1\r\n"
              "text=/pictures/\xff\xfe odd bytes/caf\xc3\xa9\r\n");

    Values in;
    in.shortIn32 = 0x7fff0000;  // a signed 16-bit load sets the whole variable, sign included
    SettingsFile(dir.file("t.ini"), SettingsFile::Read).readSection(in.table(), "[S]");
    EXPECT_EQ(in.word, 65535);
    EXPECT_TRUE(in.flag);
    EXPECT_EQ(in.shortIn32, -25536);
    EXPECT_EQ(in.longValue, out.longValue);
    EXPECT_EQ(in.octal16, 0755);
    EXPECT_EQ(in.octal32, out.octal32);
    EXPECT_EQ(in.hex16, 0xbeef);
    EXPECT_EQ(in.hex32, out.hex32);
    EXPECT_EQ(in.single, 1.5f);
    EXPECT_EQ(in.twice, 0.1);
    EXPECT_EQ(in.text, out.text);
}

TEST(SettingsFile, ReadsNumbersAsScanfDoesAndLeavesUnparsableValuesAlone) {
    TempDir dir;
    const Values v = readText(dir,
                              "[S]\r\nshort=40000\r\nlong=12abc\r\nhex=0x1F\r\noctal=9\r\nfloat=x\r\n"
                              "word=none\r\nflag=no\r\n");
    EXPECT_EQ(v.shortIn32, -25536);  // its 16 bits, read as signed
    EXPECT_EQ(v.longValue, 12);
    EXPECT_EQ(v.hex16, 0x1f);
    EXPECT_EQ(v.octal16, 0);
    EXPECT_EQ(v.single, 0.0f);
    EXPECT_EQ(v.word, 0);
    EXPECT_FALSE(v.flag);
}

TEST(SettingsFile, AShortKeepsItsSignAndNumbersOutsideARangeTakeItsNearerEnd) {
    TempDir dir;
    EXPECT_EQ(readText(dir, "[S]\r\nshort=-50\r\n").shortIn32, -50);
    writeFile(dir.file("in.ini"), utf16File("[S]\r\nshort=70000\r\nlong=-5\r\nword=-1\r\n"));
    int32_t shortValue = 0, longValue = 9;
    uint16_t word = 0;
    const std::vector<SettingBinding> ranged{{"short", SettingType::Short, &shortValue, {0, 1000}},
                                             {"long", SettingType::Long, &longValue, {0, 100}},
                                             {"word", SettingType::Word, &word, {10, 20}}};
    SettingsFile(dir.file("in.ini"), SettingsFile::Read).readSection(ranged, "[S]");
    EXPECT_EQ(shortValue, 1000);  // the number written, not its low 16 bits
    EXPECT_EQ(longValue, 0);
    EXPECT_EQ(word, 10);
}

TEST(SettingsFile, KeysAndBooleanWordsIgnoreCaseButHeadersDoNot) {
    TempDir dir;
    EXPECT_TRUE(readText(dir, "[S]\r\nFLAG=true\r\n").flag);
    EXPECT_FALSE(readText(dir, "[s]\r\nflag=TRUE\r\n").flag);
    // A header followed by more text still opens the section.
    EXPECT_TRUE(readText(dir, "[S] old comment\r\nflag=TRUE\r\n").flag);
}

TEST(SettingsFile, SectionsAreFoundInAnyOrderAndEndAtTheNextHeader) {
    TempDir dir;
    const std::string text = "[Other]\r\nlong=1\r\n[S]\r\nlong=2\r\n[Third]\r\nlong=3\r\n";
    EXPECT_EQ(readText(dir, text).longValue, 2);
    EXPECT_EQ(readText(dir, text, "[Other]").longValue, 1);
    EXPECT_EQ(readText(dir, text, "[Missing]").longValue, 0);
    EXPECT_EQ(readText(dir, "long=9\r\n[S]\r\nlong=2\r\n", nullptr).longValue, 9);
    EXPECT_EQ(readText(dir, "[S]\r\n[Next]\r\nlong=5\r\n").longValue, 0);
}

TEST(SettingsFile, IgnoresCommentsBareKeysEmptyValuesAndBlanksAroundTheEqualsSign) {
    TempDir dir;
    const Values v = readText(dir, "[S]\r\nlong=4\r\n#long=5\r\nlong\r\nlong=\r\nlong = 6\r\n\r\n");
    EXPECT_EQ(v.longValue, 4);
}

TEST(SettingsFile, TheLaterLineWinsForOneKeyOrTwoKeysOfOneVariable) {
    TempDir dir;
    EXPECT_EQ(readText(dir, "[S]\r\nlong=1\r\nlong=2\r\n").longValue, 2);

    int32_t shared = 0;
    const std::vector<SettingBinding> table{{"a", SettingType::Long, &shared}, {"b", SettingType::Long, &shared}};
    writeFile(dir.file("two.ini"), utf16File("[S]\r\nb=7\r\na=3\r\n"));
    SettingsFile(dir.file("two.ini"), SettingsFile::Read).readSection(table, "[S]");
    EXPECT_EQ(shared, 3);
}

TEST(SettingsFile, ReadsLongLinesWholeAndUtf8FilesAsText) {
    TempDir dir;
    const std::string longPath = "/" + std::string(300, 'p') + "/\xc3\xa9";
    EXPECT_EQ(readText(dir, "[S]\r\ntext=" + longPath + "\r\n").text, longPath);

    writeFile(dir.file("plain.ini"), "[S]\nlong=42\ntext=caf\xc3\xa9\n");
    Values v;
    SettingsFile(dir.file("plain.ini"), SettingsFile::Read).readSection(v.table(), "[S]");
    EXPECT_EQ(v.longValue, 42);
    EXPECT_EQ(v.text, "caf\xc3\xa9");
}

TEST(SettingsFile, MissingEmptyTruncatedAndBinaryFilesLeaveTheDefaults) {
    TempDir dir;
    Values v;
    v.longValue = 5;
    SettingsFile missing(dir.file("none.ini"), SettingsFile::Read);
    EXPECT_FALSE(missing.isOpen());
    missing.readSection(v.table(), "[S]");
    EXPECT_EQ(v.longValue, 5);

    std::string binary;
    for (int i = 0; i < 4096; ++i) binary += char((i * 7919) % 256);
    for (const std::string& bytes : {std::string(), std::string("\xff"), utf16File("[S]\r\nlong=12").substr(0, 15),
                                     binary, std::string("\xff\xfe") + binary}) {
        writeFile(dir.file("bad.ini"), bytes);
        SettingsFile(dir.file("bad.ini"), SettingsFile::Read).readSection(v.table(), "[S]");
        EXPECT_EQ(v.longValue, 5);
    }
}

TEST(SettingsFile, AFifoInTheFilesPlaceReadsAsMissingAtOnce) {
    TempDir dir;
    ASSERT_EQ(mkfifo(dir.file("vimble.ini").c_str(), 0600), 0);
    EXPECT_FALSE(SettingsFile(dir.file("vimble.ini"), SettingsFile::Read).isOpen());
}

TEST(SettingsFile, AFailedSaveLeavesTheOldFileAsItWas) {
    TempDir dir;
    bool on = true;
    const std::vector<SettingBinding> table{{"on", SettingType::Bool, &on}};
    SettingsFile inMissingFolder(dir.file("missing/v.ini"), SettingsFile::Write);
    inMissingFolder.writeSection(table, "[S]");
    EXPECT_FALSE(inMissingFolder.commit());
    EXPECT_FALSE(std::filesystem::exists(dir.file("missing")));

    // A disk that fills up halfway through the save.
    writeFile(dir.file("v.ini"), "old");
    std::string big(4000, 'x');
    const std::vector<SettingBinding> large{{"text", SettingType::String, &big}};
    SettingsFile full(dir.file("v.ini"), SettingsFile::Write);
    full.writeSection(large, "[S]");
    rlimit previous{};
    getrlimit(RLIMIT_FSIZE, &previous);
    rlimit small = previous;
    small.rlim_cur = 1000;
    signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    const bool saved = full.commit();
    setrlimit(RLIMIT_FSIZE, &previous);
    EXPECT_FALSE(saved);
    EXPECT_EQ(readFile(dir.file("v.ini")), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(SettingsFile, SavingThroughALinkKeepsTheLinkAndItsFileMode) {
    TempDir dir;
    writeFile(dir.file("real.ini"), "old");
    chmod(dir.file("real.ini").c_str(), 0640);
    std::filesystem::create_symlink("real.ini", dir.file("link.ini"));
    bool on = true;
    SettingsFile file(dir.file("link.ini"), SettingsFile::Write);
    file.writeSection(std::vector<SettingBinding>{{"on", SettingType::Bool, &on}}, "[S]");
    ASSERT_TRUE(file.commit());
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("link.ini")));
    EXPECT_EQ(textOfUtf16File(readFile(dir.file("real.ini"))), "[S]\r\non=TRUE\r\n");
    struct stat info {};
    stat(dir.file("real.ini").c_str(), &info);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}
