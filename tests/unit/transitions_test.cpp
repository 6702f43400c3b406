#include "display/transitions.h"
#include "display/glide.h"

#include <gtest/gtest.h>
#include <set>

namespace {

// Plays a plan on a w x h grid where each cell records which source cell it shows (-1 none),
// with transfers clipped to the image as the window's player clips them.
std::vector<int> play(const TransitionPlan& plan, int32_t w, int32_t h) {
    std::vector<int> shown(size_t(w * h), -1);
    for (const TransitionStep& step : plan)
        for (const Blit& b : step.blits)
            for (int32_t y = 0; y < b.h; ++y)
                for (int32_t x = 0; x < b.w; ++x) {
                    const int32_t dx = b.dx + x, dy = b.dy + y, sx = b.sx + x, sy = b.sy + y;
                    if (dx < 0 || dy < 0 || dx >= w || dy >= h || sx < 0 || sy < 0 || sx >= w || sy >= h) continue;
                    shown[size_t(dy * w + dx)] = sy * w + sx;
                }
    return shown;
}

// A rand() stand-in that answers the given values in turn, then counts up.
std::function<int()> draws(std::vector<int> values) {
    return [values, next = size_t(0), counter = 0]() mutable {
        return next < values.size() ? values[next++] : counter++ * 7919;
    };
}

}  // namespace

TEST(Transitions, EveryEffectEndsWithTheWholeImageInPlace) {
    for (auto [w, h] : {std::pair{37, 23}, {200, 150}, {5, 3}, {1, 40}}) {
        for (int effect = 0; effect <= crossfadeEffect; ++effect) {
            for (int r : {0, 3, 79, 12345}) {
                const TransitionPlan plan = planTransition(effect, w, h, draws({r}));
                ASSERT_FALSE(plan.empty()) << effect;
                const std::vector<int> shown = play(plan, w, h);
                for (int32_t i = 0; i < w * h; ++i)
                    ASSERT_EQ(shown[size_t(i)], i) << "effect " << effect << " on " << w << "x" << h << " r " << r;
            }
        }
    }
    EXPECT_TRUE(planTransition(3, 0, 100, draws({})).empty());
}

TEST(Transitions, DissolveAndCrossfadePaceAsTheySay) {
    const TransitionPlan dissolve = planTransition(13, 90, 30, draws({50}));  // s = 2 below 100 pixels
    ASSERT_EQ(dissolve.size(), 80u + 1);
    EXPECT_EQ(dissolve[0].blits.size(), 30u);  // a block per row
    EXPECT_EQ(dissolve[0].blits[0].w, 90 / 120 + 2);
    EXPECT_EQ(dissolve[0].sleepMs, 4);
    EXPECT_EQ(dissolve[10].sleepMs, 1);

    const TransitionPlan fade = planTransition(crossfadeEffect, 64, 48, draws({5}));
    ASSERT_EQ(fade.size(), 23u);
    std::vector<int32_t> alphas;
    for (size_t n = 0; n < 22; ++n) {
        alphas.push_back(fade[n].alpha);
        EXPECT_EQ(fade[n].sleepMs, 35);
    }
    EXPECT_EQ(alphas.front(), 1);
    EXPECT_EQ(alphas[4], 11);
    EXPECT_EQ(alphas.back(), 232);
    EXPECT_EQ(fade.back().alpha, 0);  // the last step copies the image whole
}

TEST(Glide, ALargePictureGlidesToItsCentreInAboutAHundredHalfFrames) {
    // 3000 x 2000 at 100 % in a 1000 x 700 view: ranges 2000 and 1300, target (1000, 650).
    const std::vector<QPoint> frames = glideFrames(1000, 650, 2000, 1300, 100);
    ASSERT_EQ(frames.size(), 48u);
    EXPECT_EQ(frames[0], QPoint(21, 14));
    EXPECT_EQ(frames[1], QPoint(42, 28));
    EXPECT_EQ(frames.back(), QPoint(48 * 21, 47 * 14));  // across stops last, just past its target
    EXPECT_EQ(glideFrames(0, 300, 0, 600, 100).back(), QPoint(0, 301));
}
