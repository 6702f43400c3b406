#include "resources/accelerators.h"

#include <gtest/gtest.h>

TEST(Accelerators, KeysNeedTheirExactModifiersAndTypedCharactersIgnoreShift) {
    EXPECT_EQ(acceleratorCommand(Qt::Key_J, 0, 'j'), 1014);
    EXPECT_EQ(acceleratorCommand(Qt::Key_J, KeyControl, 0), 1015);
    EXPECT_EQ(acceleratorCommand(Qt::Key_J, KeyShift, 'J'), 1016);
    EXPECT_EQ(acceleratorCommand(Qt::Key_J, KeyControl | KeyShift, 0), 0);
    EXPECT_EQ(acceleratorCommand(Qt::Key_PageDown, KeyShift, 0), 1041);
    EXPECT_EQ(acceleratorCommand(Qt::Key_Plus, KeyShift, '+'), 1211);  // "+" is typed with Shift
    EXPECT_EQ(acceleratorCommand(Qt::Key_Plus, KeyAlt | KeyShift, '+'), 1211);
    EXPECT_EQ(acceleratorCommand(Qt::Key_Plus, KeyControl | KeyShift, '+'), 0);
    EXPECT_EQ(acceleratorCommand(Qt::Key_R, KeyControl | KeyShift, 0), 1224);
    EXPECT_EQ(acceleratorCommand(Qt::Key_Q, 0, 'q'), 0);
}
