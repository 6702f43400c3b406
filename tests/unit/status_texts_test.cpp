#include "window/status_texts.h"

#include <gtest/gtest.h>

TEST(StatusTexts, SizesPastThirtyTwoBitsUnknownSizesAndCaptionsOfShortcutsAndOddNames) {
    StatusFacts f;
    f.fileSize = 5ull << 30;  // the whole size, not what is left of it in 32 bits
    EXPECT_EQ(statusTexts(f)[0], "\t5242880.00 KB");
    f.fileSize.reset();
    EXPECT_EQ(statusTexts(f)[0], "\t! KB");
    const std::string title = "Tarnex Vimble";
    auto caption = [&title](const std::string& path, bool fullName, int zoom = 100) {
        return captionText(path, path.ends_with(".lnk"), true, fullName, false, zoom, false, 640, 480, title);
    };
    EXPECT_EQ(caption("/pics/cat.jpg", true, 50), "/pics/cat.jpg - Tarnex Vimble (Zoom: 640 x 480)");
    EXPECT_EQ(caption("/pics/a.jpg.lnk", false), "*a.jpg - Tarnex Vimble");
    EXPECT_EQ(caption("/pics/a.jpg.lnk", true), "*/pics/a.jpg.lnk - Tarnex Vimble");
    EXPECT_EQ(caption("/pics.d/README", false), "README - Tarnex Vimble");  // a dot in the folder only
}
