#include "window/placement.h"

#include <gtest/gtest.h>

TEST(Placement, PresetsSpreadAHundredPixelsToEachCornerAroundTheStart) {
    const Rect start{500, 300, 725, 625};
    const auto presets = spreadPresets(start);
    EXPECT_EQ(presets[0], (Rect{400, 200, 625, 525}));
    EXPECT_EQ(presets[1], (Rect{600, 200, 825, 525}));
    EXPECT_EQ(presets[2], (Rect{400, 400, 625, 725}));
    EXPECT_EQ(presets[3], (Rect{600, 400, 825, 725}));
    EXPECT_EQ(presets[4], start);
}

TEST(Placement, CorralLetsAWindowStickOutTenPixelsAndPullsBackFurther) {
    const int32_t sw = 1280, sh = 1024;
    // 10 pixels past the right and bottom edges: left alone.
    EXPECT_EQ(corralRect({1070, 814, 1290, 1034}, sw, sh), (Rect{1070, 814, 1290, 1034}));
    // 11 pixels past: pulled back to the edge, size kept.
    EXPECT_EQ(corralRect({1071, 815, 1291, 1035}, sw, sh), (Rect{1060, 804, 1280, 1024}));
    // 10 pixels past the left and top edges: left alone; 11: moved to 0.
    EXPECT_EQ(corralRect({-10, -10, 190, 290}, sw, sh), (Rect{-10, -10, 190, 290}));
    EXPECT_EQ(corralRect({-11, -11, 189, 289}, sw, sh), (Rect{0, 0, 200, 300}));
}

TEST(Placement, CorralBringsBackAWindowWhollyOffTheScreen) {
    EXPECT_EQ(corralRect({3000, 2000, 3200, 2300}, 1280, 1024), (Rect{1080, 724, 1280, 1024}));
    EXPECT_EQ(corralRect({-900, -900, -700, -600}, 1280, 1024), (Rect{0, 0, 200, 300}));
    // A window larger than the screen ends flush with the top left.
    EXPECT_EQ(corralRect({-50, -50, 1400, 1100}, 1280, 1024), (Rect{0, 0, 1450, 1150}));
}

TEST(Placement, CentringAndRoamingStayInTheWorkAreaOrOverhangEvenly) {
    const Rect area{0, 30, 1280, 1000};  // a panel above
    EXPECT_EQ(centeredRect(area, 400, 300), (Rect{440, 365, 840, 665}));
    EXPECT_EQ(centeredRect(area, 1400, 300), (Rect{-60, 365, 1340, 665}));  // wider: both sides alike
    // Roaming takes each draw modulo the room left; a window as wide as the area is centred.
    EXPECT_EQ(roamedRect(area, 400, 300, 1000, 700), (Rect{120, 30 + 700 % 670, 520, 30 + 700 % 670 + 300}));
    const Rect wide = roamedRect(area, 1400, 300, 12345, 50);
    EXPECT_EQ(wide.left, -60);
    EXPECT_EQ(wide.top, 80);
    EXPECT_EQ(roamedRect(area, 1280, 970, 7, 7), (Rect{0, 30, 1280, 1000}));
}

TEST(Placement, APictureSpreadsOverTheWorkAreaLessFrameBarAndCaptionAdjustment) {
    const Rect area{0, 30, 1280, 1000};
    const Margins frame{4, 28, 4, 4};
    EXPECT_EQ(pictureBounds(area, &frame, 22, 0), (Rect{4, 58, 1276, 974}));
    EXPECT_EQ(pictureBounds(area, nullptr, 0, 0), area);  // cropped: no frame, no bar
    EXPECT_EQ(pictureBounds(area, &frame, 0, 2), (Rect{4, 56, 1276, 996}));
}

TEST(Placement, TheCropRegionSitsWhereTheAnchorPutsThePicture) {
    EXPECT_EQ(anchoredRect(Anchor::Centered, 500, 400, 300, 200), (Rect{100, 100, 400, 300}));
    EXPECT_EQ(anchoredRect(Anchor::TopLeft, 500, 400, 300, 200), (Rect{0, 0, 300, 200}));
    EXPECT_EQ(anchoredRect(Anchor::TopRight, 500, 400, 300, 200), (Rect{200, 0, 500, 200}));
    EXPECT_EQ(anchoredRect(Anchor::BottomLeft, 500, 400, 300, 200), (Rect{0, 200, 300, 400}));
    EXPECT_EQ(anchoredRect(Anchor::BottomRight, 500, 400, 300, 200), (Rect{200, 200, 500, 400}));
    EXPECT_EQ(anchoredRect(Anchor::Roaming, 500, 400, 300, 200), (Rect{0, 0, 300, 200}));
}

TEST(Placement, AnEmptyOrInvertedRectangleGrowsToTheSmallestWindow) {
    EXPECT_EQ(usableRect({50, 60, 50, 60}), (Rect{50, 60, 50 + minimumWindowWidth, 60 + minimumWindowHeight}));
    EXPECT_EQ(usableRect({50, 60, 10, 20}), (Rect{50, 60, 50 + minimumWindowWidth, 60 + minimumWindowHeight}));
    EXPECT_EQ(usableRect({0, 0, 400, 300}), (Rect{0, 0, 400, 300}));
}
