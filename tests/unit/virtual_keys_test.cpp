#include "platform/virtual_keys.h"

#include <gtest/gtest.h>

TEST(VirtualKeys, CodesAndKeysymsMeetAndModifiersAloneAreNoKey) {
    ASSERT_TRUE(virtualKeyByCode(27));
    EXPECT_EQ(virtualKeyByCode(27)->keysym, 0xff1bu);  // Escape
    EXPECT_STREQ(virtualKeyByCode(0x76)->name, "F7");
    EXPECT_EQ(virtualKeyBySym('q')->code, uint32_t('Q'));
    EXPECT_EQ(virtualKeyBySym('Q')->code, uint32_t('Q'));  // held with Shift
    for (uint32_t modifierOrEnter : {13u, 16u, 17u, 18u, 91u, 92u, 160u, 165u})
        EXPECT_EQ(virtualKeyByCode(modifierOrEnter), nullptr) << modifierOrEnter;
    EXPECT_EQ(virtualKeyBySym(0xffe1), nullptr);  // Shift_L
    for (uint32_t code = 0; code < 256; ++code)
        if (const VirtualKey* key = virtualKeyByCode(code)) EXPECT_EQ(virtualKeyBySym(key->keysym), key) << code;
}
