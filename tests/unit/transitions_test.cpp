#include "display/transitions.h"

#include <gtest/gtest.h>

TEST(Transitions, EveryEffectEndsWithTheWholeImageInPlace) {
    for (auto [w, h] : {std::pair{37, 23}, {200, 150}, {5, 3}, {1, 40}}) {
        for (int effect = 0; effect <= crossfadeEffect; ++effect) {
            for (int r : {0, 3, 79, 12345}) {
                // A rand() stand-in: r, then counting up.
                const TransitionPlan plan =
                    planTransition(effect, w, h, [r, n = -1]() mutable { return n < 0 ? (n = 0, r) : n++ * 7919; });
                ASSERT_FALSE(plan.empty()) << effect;
                // Each cell of the w x h grid records which source cell it shows, transfers
                // clipped to the image as the window's player clips them.
                std::vector<int> shown(size_t(w * h), -1);
                for (const TransitionStep& step : plan)
                    for (const Blit& b : step.blits)
                        for (int32_t y = 0; y < b.h; ++y)
                            for (int32_t x = 0; x < b.w; ++x) {
                                const int32_t dx = b.dx + x, dy = b.dy + y, sx = b.sx + x, sy = b.sy + y;
                                if (dx >= 0 && dy >= 0 && dx < w && dy < h && sx >= 0 && sy >= 0 && sx < w && sy < h)
                                    shown[size_t(dy * w + dx)] = sy * w + sx;
                            }
                for (int32_t i = 0; i < w * h; ++i)
                    ASSERT_EQ(shown[size_t(i)], i) << "effect " << effect << " on " << w << "x" << h << " r " << r;
            }
        }
    }
    EXPECT_TRUE(planTransition(3, 0, 100, [] { return 0; }).empty());
}
