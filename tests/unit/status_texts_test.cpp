#include "window/status_texts.h"

#include <gtest/gtest.h>

TEST(StatusTexts, PartsReportSizeDepthZoomPagesAndPosition) {
    StatusFacts f;
    f.fileSize = 1536;
    f.width = 4000;
    f.height = 3000;
    f.bitsPerPixel = 24;
    f.zoom = 5;
    f.fitted = true;
    f.index = 2;
    f.count = 7;
    auto parts = statusTexts(f);
    EXPECT_EQ(parts[0], "\t1.50 KB");
    EXPECT_EQ(parts[1], "\t4000x3000x24");
    EXPECT_EQ(parts[2], "\t5%");
    EXPECT_EQ(parts[3], "");
    EXPECT_EQ(parts[4], "\t3/7");

    f.fileSize = 100;
    f.fitted = false;
    f.scrollRangeX = 250;  // three steps of 100 to cover it
    f.scrollRangeY = 0;
    EXPECT_EQ(statusTexts(f)[0], "\t0.10 KB");
    EXPECT_EQ(statusTexts(f)[3], "\t H:3 V:0");

    f.fileSize = 5ull << 30;  // past 32 bits: the whole size, not what is left of it
    EXPECT_EQ(statusTexts(f)[0], "\t5242880.00 KB");
    f.fileSize.reset();
    EXPECT_EQ(statusTexts(f)[0], "\t! KB");

    f.notAFile = true;
    f.positionUnknown = true;
    f.collage = true;
    f.collageSize = 250;
    parts = statusTexts(f);
    EXPECT_EQ(parts[0], "\tNot a file");
    EXPECT_EQ(parts[2], "\t6%");  // 250 * 100 / 4000, truncated
    EXPECT_EQ(parts[3], "\tCollage");
    EXPECT_EQ(parts[4], "\t?/7");
}

TEST(StatusTexts, CaptionNamesThePictureAndItsDisplayedSize) {
    const std::string title = "Tarnex Vimble";
    auto caption = [&title](const std::string& path, bool fullName, int zoom = 100, bool collage = false) {
        return captionText(path, path.ends_with(".lnk"), true, fullName, false, zoom, collage, 640, 480, title);
    };
    EXPECT_EQ(caption("/pics/cat.jpg", false), "cat - Tarnex Vimble");
    EXPECT_EQ(caption("/pics/cat.jpg", true), "/pics/cat.jpg - Tarnex Vimble");
    EXPECT_EQ(caption("/pics/cat.jpg", true, 50), "/pics/cat.jpg - Tarnex Vimble (Zoom: 640 x 480)");
    EXPECT_EQ(caption("/pics/cat.jpg", true, 50, true), "/pics/cat.jpg - Tarnex Vimble");
    EXPECT_EQ(caption("/pics/a.jpg.lnk", false), "*a.jpg - Tarnex Vimble");
    EXPECT_EQ(caption("/pics/a.jpg.lnk", true), "*/pics/a.jpg.lnk - Tarnex Vimble");
    EXPECT_EQ(caption("/pics.d/README", false), "README - Tarnex Vimble");  // a dot in the folder only
    EXPECT_EQ(captionText("/pics/cat.jpg", false, false, true, false, 50, false, 1, 1, title), title);
    EXPECT_EQ(captionText("/pics/cat.jpg", false, true, true, true, 50, false, 1, 1, title), title);
}
