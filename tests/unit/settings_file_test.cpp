#include "config/settings_file.h"
#include "config/settings_tables.h"
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
    int32_t shortIn32 = 0, longValue = 0, octal16 = 0, hex16 = 0;
    uint32_t octal32 = 0, hex32 = 0;
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

// Reads the section of a file holding these bytes into a fresh Values.
Values readBytes(const TempDir& dir, const std::string& bytes, const char* section = "[S]") {
    writeFile(dir.file("in.ini"), bytes);
    Values v;
    v.longValue = 5;
    SettingsFile(dir.file("in.ini"), SettingsFile::Read).readSection(v.table(), section);
    return v;
}
Values readText(const TempDir& dir, const std::string& text, const char* section = "[S]") {
    return readBytes(dir, utf16File(text), section);
}

}  // namespace

TEST(SettingsFile, EveryTypeKeepsItsFormAndRoundTripsItsEdgeValues) {
    TempDir dir;
    const std::string text =
        "[S]\r\nword=-1\r\nflag=TRUE\r\nshort=-25536\r\nlong=-2147483648\r\noctal=755\r\n"
        "octal32=37777777777\r\nhex=beef\r\nhex32=deadbeef\r\nfloat=1.5\r\ndouble=0.1\r\n"
        "text=/pictures/\xff\xfe odd bytes/caf\xc3\xa9\r\n";
    // Only the low 16 bits of a short are stored (40000); read back, they set the whole variable.
    Values out{65535,
               true,
               0x12349c40,
               -2147483647 - 1,
               0755,
               0xbeef,
               037777777777u,
               0xdeadbeef,
               1.5f,
               0.1,
               "/pictures/\xff\xfe odd bytes/caf\xc3\xa9"};
    Values in;
    in.shortIn32 = 0x7fff0000;
    for (Values* values : {&out, &in}) {
        SettingsFile file(dir.file("t.ini"), SettingsFile::Write);
        file.writeSection(values->table(), "[S]");
        ASSERT_TRUE(file.commit());
        EXPECT_EQ(textOfUtf16File(readFile(dir.file("t.ini"))), text);
        SettingsFile(dir.file("t.ini"), SettingsFile::Read).readSection(in.table(), "[S]");
    }
    EXPECT_EQ(in.shortIn32, -25536);
    EXPECT_EQ(in.word, 65535);
    EXPECT_EQ(in.twice, 0.1);
}

TEST(SettingsFile, ReadsNumbersAsScanfDoesAndLeavesUnparsableValuesAlone) {
    TempDir dir;
    const Values v = readText(dir, "[S]\r\nshort=40000\r\nlong=12abc\r\nhex=0x1F\r\noctal=9\r\nfloat=x\r\nflag=no\r\n");
    EXPECT_EQ(v.shortIn32, -25536);  // its 16 bits, read as signed
    EXPECT_EQ(v.longValue, 12);
    EXPECT_EQ(v.hex16, 0x1f);
    EXPECT_EQ(v.octal16, 0);
    EXPECT_EQ(v.single, 0.0f);
    EXPECT_FALSE(v.flag);
    EXPECT_EQ(readText(dir, "[S]\r\nshort=-50\r\n").shortIn32, -50);
}

TEST(SettingsFile, FindsItsSectionAndKeysAsTheFileLaysThemOut) {
    TempDir dir;
    const std::string three = "[Other]\r\nlong=1\r\n[S]\r\nlong=2\r\n[Third]\r\nlong=3\r\n";
    const struct {
        std::string text;
        const char* section;
        int32_t longValue;
    } cases[] = {
        {three, "[S]", 2},
        {three, "[Other]", 1},
        {three, "[Missing]", 5},
        {"long=9\r\n[S]\r\nlong=2\r\n", nullptr, 9},                              // no section: the lines before any
        {"[S]\r\n[Next]\r\nlong=7\r\n", "[S]", 5},                                // a section ends at the next header
        {"[s]\r\nlong=7\r\n", "[S]", 5},                                          // headers keep their case
        {"[S] old comment\r\nLONG=7\r\n", "[S]", 7},                              // keys do not; text after a header
        {"[S]\r\nlong=4\r\n#long=6\r\nlong\r\nlong=\r\nlong = 6\r\n", "[S]", 4},  // comments, bare keys, blanks
        {"[S]\r\nlong=1\r\nlong=2\r\n", "[S]", 2},                                // the later line wins
    };
    for (const auto& c : cases) EXPECT_EQ(readText(dir, c.text, c.section).longValue, c.longValue) << c.text;
    EXPECT_TRUE(readText(dir, "[S]\r\nFLAG=true\r\n").flag);
    const Values plain = readBytes(dir, "[S]\nlong=42\ntext=caf\xc3\xa9\n");  // UTF-8 as written by hand
    EXPECT_EQ(plain.longValue, 42);
    EXPECT_EQ(plain.text, "caf\xc3\xa9");
}

TEST(SettingsFile, MissingEmptyTruncatedBinaryAndFifoFilesLeaveTheDefaults) {
    TempDir dir;
    EXPECT_FALSE(SettingsFile(dir.file("none.ini"), SettingsFile::Read).isOpen());
    std::string binary;
    for (int i = 0; i < 4096; ++i) binary += char((i * 7919) % 256);
    for (const std::string& bytes : {std::string(), std::string("\xff"), utf16File("[S]\r\nlong=12").substr(0, 15),
                                     binary, std::string("\xff\xfe") + binary})
        EXPECT_EQ(readBytes(dir, bytes).longValue, 5);
    ASSERT_EQ(mkfifo(dir.file("vimble.ini").c_str(), 0600), 0);  // read as missing, at once
    EXPECT_FALSE(SettingsFile(dir.file("vimble.ini"), SettingsFile::Read).isOpen());
}

TEST(SettingsFile, AFailedSaveLeavesTheOldFileAsItWasAndASaveThroughALinkKeepsTheLink) {
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
    SettingsFile full(dir.file("v.ini"), SettingsFile::Write);
    full.writeSection(std::vector<SettingBinding>{{"text", SettingType::String, &big}}, "[S]");
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

    chmod(dir.file("v.ini").c_str(), 0640);
    std::filesystem::create_symlink("v.ini", dir.file("link.ini"));
    SettingsFile file(dir.file("link.ini"), SettingsFile::Write);
    file.writeSection(table, "[S]");
    ASSERT_TRUE(file.commit());
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("link.ini")));
    EXPECT_EQ(textOfUtf16File(readFile(dir.file("v.ini"))), "[S]\r\non=TRUE\r\n");
    struct stat info {};
    stat(dir.file("v.ini").c_str(), &info);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST(SettingsTables, AFileWithoutItsMarkLoadsWholeAndNumbersOutsideTheirRangeAreClamped) {
    TempDir dir;
    // UTF-16LE as some editors and scripts write it: no byte-order mark; values holding '='.
    writeFile(dir.file("v.ini"),
              utf16File("[Folder]\r\nfolder=/pics/x=y\r\n[Shell]\r\nimage viewer=viewer --mode=full\r\n"
                        "[Slideshow]\r\ntimer=-5\r\nopacity=999\r\nlayer=-50\r\n"
                        "[Image]\r\nzoom=70000\r\nlayout=9\r\n[Window Position]\r\nleft=-99999\r\n")
                  .substr(2));
    Settings s;
    s.enabledTransitions = allTransitions();
    ASSERT_TRUE(loadOrSaveSettings(s, dir.file("v.ini"), false));
    EXPECT_EQ(s.folder, "/pics/x=y");
    EXPECT_EQ(s.imageViewer, "viewer --mode=full");
    EXPECT_EQ(s.timer, 0);
    EXPECT_EQ(s.opacity, 255);
    EXPECT_EQ(s.layer, Layer::Normal);
    EXPECT_EQ(s.zoom, largestZoom);  // not the low 16 bits of 70000
    EXPECT_EQ(s.layout, Anchor::Roaming);
    EXPECT_EQ(s.windowRect.left, -32768);
    ASSERT_TRUE(loadOrSaveSettings(s, dir.file("v.ini"), true));
    const std::string saved = readFile(dir.file("v.ini"));
    EXPECT_EQ(saved.substr(0, 2), "\xff\xfe");
    for (const char* line : {"\r\nfolder=/pics/x=y\r\n", "\r\ntimer=0\r\n", "\r\nzoom=32767\r\n", "\r\nlayout=5\r\n"})
        EXPECT_NE(textOfUtf16File(saved).find(line), std::string::npos) << line;
}
