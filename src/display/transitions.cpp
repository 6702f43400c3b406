// The fifteen ways a new picture comes in, as plans of block transfers and pauses.
#include "display/transitions.h"

#include <QPainter>
#include <algorithm>
#include <cstring>

namespace {

class Planner {
public:
    explicit Planner(TransitionPlan& plan) : plan_(plan) {}
    void copy(int32_t dx, int32_t dy, int32_t w, int32_t h, int32_t sx, int32_t sy) {
        current_.blits.push_back({dx, dy, w, h, sx, sy});
    }
    // The same place of the image: most effects reveal in place.
    void reveal(int32_t x, int32_t y, int32_t w, int32_t h) { copy(x, y, w, h, x, y); }
    void pause(int32_t ms) {
        current_.sleepMs = ms;
        plan_.push_back(std::move(current_));
        current_ = {};
    }
    void finish() {
        if (!current_.blits.empty()) pause(0);
    }

private:
    TransitionPlan& plan_;
    TransitionStep current_;
};

void shutters(Planner& p, int effect, int32_t w, int32_t h, int r) {
    const int32_t k = r % 80 + 2;
    const bool across = effect <= 1;  // columns for 0 and 1, rows for 2 and 3
    const int32_t size = across ? w : h;
    const int32_t slat = size / k + 5;
    const int32_t pause = 500 / slat + k / 10;
    auto line = [&](int32_t at) {
        if (across) p.reveal(at, 0, 1, h);
        else p.reveal(0, at, w, 1);
    };
    if (effect == 0 || effect == 2) {
        for (int32_t i = 0; i < slat; ++i) {
            for (int32_t j = 0; j <= size / slat; ++j) line(i + j * slat);
            p.pause(pause);
        }
    } else {
        for (int32_t i = slat; i >= 1; --i) {
            for (int32_t j = size / slat; j >= -1; --j) line(i + j * slat);
            p.pause(pause);
        }
    }
}

void wipe(Planner& p, int effect, int32_t w, int32_t h, int r) {
    const int32_t every = r % 5 + w / 200 + 1;
    const int32_t sleep = effect == 4 ? 1 : 2;
    const bool columns = effect <= 5;
    int32_t counter = 0;
    auto line = [&](int32_t at) {
        if (columns) p.reveal(at, 0, 1, h);
        else p.reveal(0, at, w, 1);
        if (counter++ % every == 0) p.pause(sleep);
    };
    auto pass = [&](int32_t from, int32_t step, auto keepGoing) {
        counter = 0;
        int32_t at = from;
        for (; keepGoing(at); at += step) line(at);
        p.finish();
        return at;
    };
    const int32_t size = columns ? w : h;
    switch (effect) {
    case 4: {
        const int32_t end = pass(0, 2, [size](int32_t c) { return c < size; });
        pass(end - 1, -2, [](int32_t c) { return c > 0; });
        break;
    }
    case 5: {
        const int32_t end = pass(size, -2, [](int32_t c) { return c >= 0; });
        pass(end + 1, 2, [size](int32_t c) { return c < size; });
        break;
    }
    case 6: {
        const int32_t end = pass(0, 2, [size](int32_t c) { return c < size; });
        pass(end + 1, -2, [](int32_t c) { return c > 0; });
        break;
    }
    default: {
        const int32_t end = pass(size, -2, [](int32_t c) { return c >= 0; });
        pass(end - 1, 2, [size](int32_t c) { return c < size; });
        break;
    }
    }
}

void slide(Planner& p, int effect, int32_t w, int32_t h, int r) {
    const int32_t pause = r % 10 + 5;
    const int32_t size = effect == 8 ? w : h;
    for (int32_t c = 0; c < size; c += size / 50 + 1) {
        if (effect == 8) {
            p.copy(0, 0, c, h / 2, w - c, 0);
            p.copy(w - c, h / 2, c, h / 2, 0, h / 2);
        } else {
            p.copy(0, 0, w / 2, c, 0, h - c);
            p.copy(w / 2, h - c, w / 2, c, w / 2, 0);
        }
        p.pause(pause);
    }
}

void quadrantSlide(Planner& p, int32_t w, int32_t h, int r) {
    const int32_t pause = r % 20 + 10;
    for (int32_t cx = 0, cy = 0; cx < w / 2; cx += w / 80 + 1, cy += h / 80 + 1) {
        p.copy(0, 0, w / 2, cy, 0, h / 2 - cy);
        p.copy(w - cx, 0, cx, h / 2, w / 2, 0);
        p.copy(w / 2, h - cy, w / 2, cy, w / 2, h / 2);
        p.copy(0, h / 2, cx, h / 2, w / 2 - cx, h / 2);
        p.pause(pause);
    }
}

// Runs one quadrant phase: c from 0 by size/20 + 1 while below the limit, one transfer a step.
template <typename Draw>
void phase(Planner& p, int32_t size, int32_t limit, int32_t pause, Draw draw) {
    for (int32_t c = 0; c < limit; c += size / 20 + 1) {
        draw(c);
        p.pause(pause);
    }
}

void quadrantWipe(Planner& p, int32_t w, int32_t h, int r) {
    const int32_t pause = r % 36 + 12;
    phase(p, h, h / 2 + h / 20, pause, [&](int32_t c) { p.reveal(0, h / 2 - c, w / 2, c); });
    phase(p, w, w / 2 + w / 20, pause, [&](int32_t c) { p.reveal(w / 2, 0, c, h / 2); });
    phase(p, h, h / 2 + h / 20, pause, [&](int32_t c) { p.reveal(w / 2, h / 2, w / 2 + 1, c + 2); });
    phase(p, w, w / 2 + w / 20, pause, [&](int32_t c) { p.reveal(w / 2 - c, h / 2, c, h / 2 + 1); });
}

void quadrantPeel(Planner& p, int32_t w, int32_t h, int r) {
    const int32_t pause = r % 36 + 12;
    if (h / 2 > 0) {
        phase(p, h, h / 2, pause, [&](int32_t c) { p.reveal(0, 0, w / 2, c); });
        p.reveal(0, 0, w / 2, h / 2);
    }
    phase(p, w, w / 2 + w / 20, pause, [&](int32_t c) { p.reveal(w - c, 0, c, h / 2); });
    phase(p, h, h / 2 + h / 20, pause, [&](int32_t c) { p.reveal(w / 2, h - c, w / 2 + 1, c); });
    phase(p, w, w / 2 + w / 20, pause, [&](int32_t c) { p.reveal(0, h / 2, c, h / 2 + 1); });
}

void dissolve(Planner& p, int32_t w, int32_t h, int r, const std::function<int()>& random) {
    const int32_t s = (r % w) / 100 + 2;
    const int32_t bw = w / 120 + s, bh = h / 120 + s;
    const int32_t frames = 40 / s + 60;
    for (int32_t i = 0; i < frames; ++i) {
        for (int32_t block = 0; block < h; ++block) {
            const int32_t bx = random() % w;
            const int32_t by = random() % h;
            p.reveal(bx, by, bw, bh);
        }
        p.pause(std::max(2 * s - i, 1));
    }
}

void crossfade(TransitionPlan& plan, int r) {
    const int32_t pause = r % 20 + 30;
    for (int32_t n = 1; n <= 22; ++n) plan.push_back({{}, pause, 1 + n * (n - 1) / 2});
}

}  // namespace

TransitionPlan planTransition(int effect, int32_t w, int32_t h, const std::function<int()>& random) {
    TransitionPlan plan;
    if (w <= 0 || h <= 0 || effect < 0 || effect > crossfadeEffect) return plan;
    Planner p(plan);
    const int r = random();
    // clang-format off
    switch (effect) {
    case 0: case 1: case 2: case 3: shutters(p, effect, w, h, r); break;
    case 4: case 5: case 6: case 7: wipe(p, effect, w, h, r); break;
    case 8: case 9: slide(p, effect, w, h, r); break;
    case 10: quadrantSlide(p, w, h, r); break;
    case 11: quadrantWipe(p, w, h, r); break;
    case 12: quadrantPeel(p, w, h, r); break;
    case 13: dissolve(p, w, h, r, random); break;
    default: crossfade(plan, r); break;
    }
    // clang-format on
    // The shutters and the wipes cover every line; the others end with the whole image.
    if (effect >= 8) {
        p.reveal(0, 0, w, h);
        p.finish();
    }
    return plan;
}

QRect drawTransitionStep(QImage& screen, QImage& faded, const QImage& image, int32_t x, int32_t y,
                         const TransitionStep& step) {
    const int32_t w = image.width(), h = image.height();
    QRect changed;
    if (step.alpha) {
        if (faded.isNull()) faded = screen.copy(x, y, w, h);  // the old picture, or the background
        QPainter blend(&faded);
        blend.setOpacity(step.alpha / 255.0);
        blend.drawImage(0, 0, image);
        blend.end();
        QPainter(&screen).drawImage(x, y, faded);
        changed = QRect(x, y, w, h);
    }
    // Blocks of the same 32-bit pixels are copied row by row: the dissolve makes thousands a frame.
    const bool rows = screen.depth() == 32 && image.format() == screen.format();
    const QRect onScreen = QRect(x, y, w, h) & screen.rect();
    for (const Blit& b : step.blits) {
        // Only what lies inside the image is drawn, at the place it lands.
        const QRect source = QRect(b.sx, b.sy, b.w, b.h) & image.rect();
        const QRect target = source.translated(b.dx - b.sx + x, b.dy - b.sy + y) & onScreen;
        if (target.isEmpty()) continue;
        const QPoint from = target.topLeft() + QPoint(b.sx - b.dx - x, b.sy - b.dy - y);
        changed |= target;
        if (!rows) {
            QPainter painter(&screen);
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            painter.drawImage(target.topLeft(), image, QRect(from, target.size()));
        } else if (target.width() == 1) {  // a column of a shutter or a wipe
            auto* out = reinterpret_cast<uint32_t*>(screen.scanLine(target.top())) + target.left();
            auto* in = reinterpret_cast<const uint32_t*>(image.constScanLine(from.y())) + from.x();
            const qsizetype outStride = screen.bytesPerLine() / 4, inStride = image.bytesPerLine() / 4;
            for (int row = 0; row < target.height(); ++row, out += outStride, in += inStride) *out = *in;
        } else {
            for (int row = 0; row < target.height(); ++row)
                std::memcpy(screen.scanLine(target.top() + row) + target.left() * 4,
                            image.constScanLine(from.y() + row) + from.x() * 4, size_t(target.width()) * 4);
        }
    }
    return changed;
}
