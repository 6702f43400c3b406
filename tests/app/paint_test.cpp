#include "app_fixture.h"

#include <QColor>

using Painting = AppFixture;

namespace {
// Away from the small start-up picture in the middle: the background.
QRgb cornerPixel(WindowHost& window) { return window.screenImage().pixel(2, 2) & 0xffffff; }
}  // namespace

TEST_F(Painting, TheWindowIsPaintedBlackOrWhiteAsTheBackgroundSays) {
    AppState& app = startApp();
    window->flushAll();
    EXPECT_EQ(cornerPixel(*window), 0x000000u);

    app.settings.whitebg = true;
    window->invalidate();
    window->flushAll();
    EXPECT_EQ(cornerPixel(*window), 0xffffffu);
}

TEST_F(Painting, AnUncoveredWindowIsRepaintedFromTheScreenImageWithoutComposing) {
    AppState& app = startApp();
    window->flushAll();
    app.settings.whitebg = true;
    window->flushAll();  // no invalidation: what was composed stays
    EXPECT_EQ(cornerPixel(*window), 0x000000u);
}

TEST_F(Painting, GrowingTheWindowFillsTheNewAreaWithTheBackground) {
    AppState& app = startApp();
    app.settings.whitebg = true;
    app.settings.overlap = false;  // overlapping keeps the old content until the next picture
    const Rect r = window->frameRect();
    window->setFrameRect({r.left, r.top, r.right + 100, r.bottom + 50});
    const QImage& screen = window->screenImage();
    EXPECT_EQ(screen.width(), window->clientWidth());
    EXPECT_EQ(screen.pixel(screen.width() - 1, screen.height() - 1) & 0xffffff, 0xffffffu);
}
