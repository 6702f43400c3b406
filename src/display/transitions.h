#pragma once
#include <QImage>
#include <QRect>
#include <cstdint>
#include <functional>
#include <vector>

// One block transfer of a transition: the w x h block at (sx, sy) of the new image goes to
// (dx, dy) of the place the image is revealed at. Parts outside the image show nothing.
struct Blit {
    int32_t dx, dy, w, h, sx, sy;
    bool operator==(const Blit&) const = default;
};

// What one step of a transition draws, and how long it pauses after: plain copies, or with an
// alpha (1..255) and no blits, the whole new image blended at that constant opacity over what
// the previous steps left (the crossfade).
struct TransitionStep {
    std::vector<Blit> blits;
    int32_t sleepMs = 0;
    int32_t alpha = 0;
};

using TransitionPlan = std::vector<TransitionStep>;

inline constexpr int crossfadeEffect = 14;

// The steps by which effect 0..14 reveals a w x h image. random is rand(): the effects draw
// their sizes and speeds from it as they are planned. After the last step the whole image is
// on show.
TransitionPlan planTransition(int effect, int32_t w, int32_t h, const std::function<int()>& random);

// Draws one step of a plan that reveals image at (x, y) of the screen; faded keeps the
// crossfade's blend between its steps (null before the first). Answers the area changed.
QRect drawTransitionStep(QImage& screen, QImage& faded, const QImage& image, int32_t x, int32_t y,
                         const TransitionStep& step);
