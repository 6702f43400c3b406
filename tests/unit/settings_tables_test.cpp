#include "config/settings_tables.h"
#include "temp_dir.h"
#include "utf16_file.h"

#include <gtest/gtest.h>

namespace {
Settings defaults() {
    Settings s;
    s.enabledTransitions = allTransitions();
    return s;
}
}  // namespace

TEST(SettingsTables, AFileWithoutItsMarkAndValuesHoldingEqualsSignsLoadWholeAndSaveBackWithTheMark) {
    TempDir dir;
    // UTF-16LE as some editors and scripts write it: no byte-order mark.
    writeFile(dir.file("v.ini"), utf16File("[Folder]\r\nfolder=/pics/x=y\r\n[Shell]\r\n"
                                           "image viewer=viewer --mode=full\r\nbb window adjust=4\r\n")
                                     .substr(2));
    Settings s = defaults();
    ASSERT_TRUE(loadOrSaveSettings(s, dir.file("v.ini"), false));
    EXPECT_EQ(s.folder, "/pics/x=y");
    EXPECT_EQ(s.imageViewer, "viewer --mode=full");
    EXPECT_EQ(s.bbWindowAdjust, 4);

    ASSERT_TRUE(loadOrSaveSettings(s, dir.file("v.ini"), true));
    const std::string saved = readFile(dir.file("v.ini"));
    EXPECT_EQ(saved.substr(0, 2), "\xff\xfe");
    EXPECT_NE(textOfUtf16File(saved).find("\r\nfolder=/pics/x=y\r\n"), std::string::npos);
}

TEST(SettingsTables, NumbersOutsideTheirRangeAreClampedOnLoadAndSavedClamped) {
    TempDir dir;
    Settings s = defaults();
    writeFile(dir.file("v.ini"), utf16File("[Slideshow]\r\ntimer=-5\r\nopacity=999\r\nlayer=-50\r\n"
                                           "[Image]\r\nzoom=70000\r\nlayout=9\r\n"
                                           "[Window Position]\r\nleft=-99999\r\n"));
    loadOrSaveSettings(s, dir.file("v.ini"), false);
    EXPECT_EQ(s.timer, 0);
    EXPECT_EQ(s.opacity, 255);
    EXPECT_EQ(s.layer, Layer::Normal);
    EXPECT_EQ(s.zoom, largestZoom);  // not the low 16 bits of 70000
    EXPECT_EQ(s.layout, Anchor::Roaming);
    EXPECT_EQ(s.windowRect.left, -32768);
    ASSERT_TRUE(loadOrSaveSettings(s, dir.file("v.ini"), true));
    const std::string text = textOfUtf16File(readFile(dir.file("v.ini")));
    for (const char* line : {"\r\ntimer=0\r\n", "\r\nopacity=255\r\n", "\r\nzoom=32767\r\n", "\r\nlayout=5\r\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line;
}
