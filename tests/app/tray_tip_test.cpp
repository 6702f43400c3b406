#include "window/window_arranger.h"

#include <gtest/gtest.h>

TEST(TrayTip, KeepsAtMost127CharactersAndNeverSplitsOne) {
    TrayRecord tray;
    tray.setTip("Tarnex Vimble");
    EXPECT_EQ(tray.tip, "Tarnex Vimble");

    tray.setTip(std::string(200, 'a'));
    EXPECT_EQ(tray.tip, std::string(127, 'a'));

    // 126 letters and an e-acute (two bytes, one character) fit; a third letter does not.
    tray.setTip(std::string(126, 'a') + "\xc3\xa9" + "b");
    EXPECT_EQ(tray.tip, std::string(126, 'a') + "\xc3\xa9");

    // A character beyond the 16-bit range takes two of the 127 places: it does not fit at 126.
    tray.setTip(std::string(126, 'a') + "\xf0\x9f\x93\xb7");
    EXPECT_EQ(tray.tip, std::string(126, 'a'));
}
