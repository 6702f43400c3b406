#include "platform/key_repeat.h"

#include <gtest/gtest.h>

TEST(KeyRepeat, RepeatsThatQueuedWhileBusyAreDroppedUntilTheQueueIsDrained) {
    KeyRepeatFilter filter;
    EXPECT_TRUE(filter.accept(false, 1000, 50));  // the press
    EXPECT_TRUE(filter.accept(true, 1033, 85));   // repeats taken as they come
    // The program was busy for 700 ms: the repeats pressed meanwhile are stale.
    EXPECT_FALSE(filter.accept(true, 1066, 785));
    EXPECT_FALSE(filter.accept(true, 1099, 786));
    EXPECT_FALSE(filter.accept(true, 1132, 787));
    EXPECT_TRUE(filter.accept(true, 1740, 790));  // pressed while the last was handled: fresh
    // A new press is always taken, however late.
    EXPECT_TRUE(filter.accept(false, 1800, 5000));
}
