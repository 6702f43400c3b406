#include "app/help_text.h"

#include <gtest/gtest.h>

TEST(HelpText, ListsTheKeysSwitchesAndDefaultSettingsFromTheTables) {
    const std::string text = helpText("Keys:\n@KEYS@Switches:\n@SWITCHES@Settings:\n@SETTINGS@end\n");
    EXPECT_EQ(text.find('@'), std::string::npos);
    for (const char* line : {"  Ctrl+T           Slideshow > Timer...\n", "  Shift+0          Fullscreen > Centered Image\n",
                             "  Alt+3            Window > Save > 3\n", "  Esc              Exit\n",
                             "  F9               Shell > Archive > Archive\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line;
    EXPECT_EQ(text.find("(Quality)"), std::string::npos);  // not a key
    EXPECT_EQ(text.find("x5"), std::string::npos);         // modifiers are explained in words
    EXPECT_NE(text.find(" -noslide "), std::string::npos);
    for (const char* line : {"    [Slideshow]\n", "    timer=5000\n", "    version=1.97\n", "    hidekey=27\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line;
    EXPECT_EQ(text.find('\r'), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 4), "end\n");
}
