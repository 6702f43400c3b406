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

TEST(SettingsTables, EverySettingRoundTripsAndASecondSaveIsByteIdentical) {
    TempDir dir;
    Settings out = defaults();
    out.slide = false;
    out.timer = 123456;
    out.folder = "/" + std::string(300, 'f') + "/caf\xc3\xa9 \xff";
    out.layout = 5;
    out.presets[2] = {-5, -6, 700, 800};
    out.windowRect = {10, 20, 300, 400};
    out.enabledTransitions = {0, 3, 14};
    out.imageViewer = "gimp";
    out.hidekey = 122;
    ASSERT_TRUE(loadOrSaveSettings(out, dir.file("a.ini"), true));

    Settings in = defaults();
    ASSERT_TRUE(loadOrSaveSettings(in, dir.file("a.ini"), false));
    EXPECT_FALSE(in.slide);
    EXPECT_EQ(in.timer, 123456);
    EXPECT_EQ(in.folder, out.folder);
    EXPECT_EQ(in.layout, 5);
    EXPECT_EQ(in.presets[2], out.presets[2]);
    EXPECT_EQ(in.windowRect, out.windowRect);
    EXPECT_EQ(in.enabledTransitions, out.enabledTransitions);
    EXPECT_EQ(in.imageViewer, "gimp");
    EXPECT_EQ(in.hidekey, 122);

    ASSERT_TRUE(loadOrSaveSettings(in, dir.file("b.ini"), true));
    EXPECT_EQ(readFile(dir.file("b.ini")), readFile(dir.file("a.ini")));
}

TEST(SettingsTables, TransitionKeysRebuildTheEnabledEffectsInAscendingOrder) {
    TempDir dir;
    Settings s = defaults();
    writeFile(dir.file("v.ini"), utf16File("[Slideshow]\r\ntimer=100\r\n"));
    loadOrSaveSettings(s, dir.file("v.ini"), false);
    EXPECT_EQ(s.enabledTransitions.size(), 15u);

    s.enabledTransitions = {14, 2, 7};  // a key the file lacks keeps its effect's state
    writeFile(dir.file("v.ini"), utf16File("[Transitions]\r\n4=TRUE\r\n8=false\r\n1=TRUE\r\n"));
    loadOrSaveSettings(s, dir.file("v.ini"), false);
    EXPECT_EQ(s.enabledTransitions, (std::vector<int32_t>{0, 2, 3, 14}));
}

TEST(SettingsTables, TheWallpaperStyleKeyCarriesTheWindowAdjustment) {
    TempDir dir;
    Settings s = defaults();
    writeFile(dir.file("v.ini"), utf16File("[Shell]\r\nbb window adjust=6\r\nbb wallpaper style=6\r\n"));
    loadOrSaveSettings(s, dir.file("v.ini"), false);
    EXPECT_EQ(s.bbWindowAdjust, 6);
    writeFile(dir.file("v.ini"), utf16File("[Shell]\r\nbb window adjust=6\r\nbb wallpaper style=3\r\n"));
    loadOrSaveSettings(s, dir.file("v.ini"), false);
    EXPECT_EQ(s.bbWindowAdjust, 3);
}

TEST(SettingsTables, UnusableFilesLeaveTheDefaults) {
    TempDir dir;
    Settings s = defaults();
    EXPECT_FALSE(loadOrSaveSettings(s, dir.file("missing.ini"), false));
    writeFile(dir.file("v.ini"), utf16File("[Slideshow]\r\ntimer=soon\r\nslide=maybe\r\nunknown=1\r\n[Nothing]\r\nx=1\r\n"));
    loadOrSaveSettings(s, dir.file("v.ini"), false);
    EXPECT_EQ(s.timer, 5000);
    EXPECT_TRUE(s.slide);
    EXPECT_EQ(s.enabledTransitions.size(), 15u);
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
    EXPECT_EQ(s.layer, 0);
    EXPECT_EQ(s.zoom, largestZoom);  // not the low 16 bits of 70000
    EXPECT_EQ(s.layout, 5);
    EXPECT_EQ(s.windowRect.left, -32768);
    ASSERT_TRUE(loadOrSaveSettings(s, dir.file("v.ini"), true));
    const std::string text = textOfUtf16File(readFile(dir.file("v.ini")));
    for (const char* line : {"\r\ntimer=0\r\n", "\r\nopacity=255\r\n", "\r\nzoom=32767\r\n", "\r\nlayout=5\r\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line;
}
