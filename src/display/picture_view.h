#pragma once
#include "config/settings.h"
#include "display/canvas.h"
#include "display/decoder.h"
#include "display/picture.h"
#include "display/transitions.h"
#include "platform/rect.h"
#include "platform/window_host.h"

#include <QFont>
#include <QImage>
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>

class Catalog;
class Slideshow;

// The picture on show and how it is seen: its zoom and turn, the part of it in view (scroll and
// drag), the off-screen canvases, painting with transitions, the collage and the animation.
class PictureView {
public:
    // What the view asks of the rest of the program.
    struct Hooks {
        std::function<void()> arrangeWindow;       // size and place the window for the picture, then paint
        std::function<void()> updateStatusBar;     // the status bar for the picture on show
        std::function<void()> updateCaption;       // the caption and tray tip for the picture on show
        std::function<int32_t()> statusBarHeight;  // 0 while there is no status bar
        std::function<bool()> inSizeMove;          // the user is sizing the window
        std::function<void()> played;              // a transition or glide has ended: what waited may run
        // Next (+1) or Previous (-1) with the Modifier keys held, as the commands do.
        std::function<void(int32_t, int32_t)> page;
    };

    PictureView(Settings& settings, WindowHost& window, const Catalog& catalog, Slideshow& slideshow,
                const Rect& screenRect, Hooks hooks);
    PictureView(const PictureView&) = delete;
    PictureView& operator=(const PictureView&) = delete;

    Picture& picture() { return picture_; }
    const Picture& picture() const { return picture_; }
    // The view composed last (the collage while one is built).
    const Canvas& canvas() const { return viewCanvas_; }
    const Canvas& tileCanvas() const { return tileCanvas_; }

    // Percent; 0 = not yet fitted.
    int32_t zoom() const { return zoom_; }
    void setZoom(int32_t zoom) { zoom_ = zoom; }
    // An unlocked zoom goes back to the zoom setting.
    void unlockedZoomToSetting();
    bool zoomLocked() const { return zoomLocked_; }
    int32_t rotation() const { return rotation_; }  // degrees

    // A new picture is on show: fitted by the zoom setting from its top left, turned by the
    // rotation lock.
    void startPicture();
    // A pasted picture is on show at its own size, as it came.
    void startPastedPicture();
    // Turns the freshly loaded picture by the rotation setting, unless the aspect filter says
    // its orientation already suits the frame.
    void applyRotationLock();

    // Fit, zoom, turn the picture on show.
    void resetZoom();
    // Toggles squeeze, shrink or stretch and fits the picture again.
    void toggleFit(bool Settings::*fit);
    // direction +1 zooms in, -1 out, by zoomstep percent (1 with Alt held).
    void zoomBy(int32_t direction, int32_t modifiers);
    void zoomToggle100();
    // The percentage shown becomes the zoom for every picture (100 % returns to own size).
    void zoomLock();
    void setZoomQuality(ZoomQuality quality);
    // Right, Left or Flip; a fitted picture is fitted again.
    void turnPicture(Turn turn);
    // Lays the picture out on the canvas for the view, fitting it by the zoom shown.
    void layOut();

    // Animated pictures: the frames of the picture on show follow one another while animate is
    // on and no collage is built; each new frame is painted in place at the shown size.
    void playAnimation();

    // Where pictures are shown: the client area above the status bar.
    Rect viewRect() const;
    // How far the displayed picture exceeds the view in each direction.
    void computeScrollRange();
    int32_t scrollX() const { return scrollX_; }
    int32_t scrollY() const { return scrollY_; }
    int32_t scrollRangeX() const { return scrollRangeX_; }
    int32_t scrollRangeY() const { return scrollRangeY_; }
    int32_t scrollStep() const { return scrollStep_; }  // pixels
    bool scrolled() const { return scrolled_; }
    // Shows the part of the displayed picture at the scroll position, gliding there from the
    // top left the first time for a new picture.
    void scrollView();
    // Moves the scroll position there and shows that part (kept within the picture).
    void scrollTo(int32_t x, int32_t y);
    // The scroll commands: steps in the given directions (-1, 0, 1) of scrollStep pixels, x2 with
    // Shift held, x5 with Control, 1 pixel with Alt.
    void scrollBy(int32_t across, int32_t down, int32_t modifiers);
    // Dragging the picture (x2 with Shift held, x5 with Control) or the window.
    void onMouseMove(int32_t modifiers);
    void onLButtonDown();
    void onLButtonUp();
    // delta: signed, 120 per notch, positive away from the user (vertical) or to the right
    // (sideways); a touchpad sends fractions of a notch.
    void onMouseWheel(int32_t delta, int32_t modifiers);
    void onMouseHWheel(int32_t delta);

    // Composes the view off-screen and brings it to the screen image; a transition or a glide
    // it calls for is left to afterPaint, which plays it on the screen a step at a time from
    // the event loop, pausing between steps on a timer.
    void onPaint();
    void afterPaint();
    // A transition or a glide is on its way; what the user does meanwhile waits for its end.
    bool playing() const { return playing_; }
    // Brings what is being played to its end at once (the user leaves, hides or closes).
    void finishPlaying();
    // The effect the last paint left for afterPaint; -1 for none.
    int pendingEffect() const { return pendingTransition_.effect; }
    // The position in the list of the picture painted last.
    uint32_t lastPaintedIndex() const { return lastPaintedIndex_; }
    // The next paint takes the picture on show for a new one (with a transition when on).
    void forgetPainted() { lastPaintedIndex_ = noIndex; }
    // The file name in white with a black shadow at the top left (fullscreen).
    void drawNameText();
    // Starts a new, empty collage the size of the view (of the screen when fullscreen).
    void resetCollage();
    // Adds the picture on show to the collage as a tile at a random place.
    void paintCollage();
    // Shows the collage built so far again, with the name over it in fullscreen when asked.
    void showCollage();
    // The background colour (0xRRGGBB) for newly exposed window areas; none for a hollow brush
    // that leaves the old content visible.
    std::optional<uint32_t> dialogBackgroundBrush() const;

    // The visible part of the view: the collage, or the part of the picture scrolled to.
    QImage visiblePart();
    // What Copy Image and Save As take: the collage as built, or the picture as shown (turned, at
    // its displayed size unless that has more pixels than both its own size and the screen).
    QImage shownPicture();

private:
    static constexpr uint32_t noIndex = 99999;

    // The animation's timer: the next frame goes on show, painted in place.
    void nextAnimationFrame();
    // Plays on from where playing stopped: the effect's steps, then the glide's frames, then
    // the picture is complete. Each pause is a wait on playTimer_.
    void playOn();
    // Waits the step's pause from when it fell due; false when that time has passed already.
    bool pauseFor(int32_t milliseconds);
    // Draws the displayed picture from (sx, sy) of it into the view; quick for glide frames.
    void showFrom(int32_t sx, int32_t sy, bool quick);
    // Shows the part at the scroll position, the glide over.
    void showScrolled();

    Settings& settings_;
    WindowHost& window_;
    const Catalog& catalog_;
    Slideshow& slideshow_;
    const Rect& screenRect_;
    Hooks hooks_;
    WindowTimer animationTimer_;  // the next frame of an animated picture is due

    Picture picture_;
    // Decodes the picture on show in full when it is drawn larger than it was decoded; the
    // smaller one is shown scaled up meanwhile, and painted again once the detail is in.
    Decoder detailDecoder_;
    Canvas viewCanvas_;
    Canvas tileCanvas_;
    QFont textFont_;  // for text painted on the picture
    int32_t zoom_ = 0;
    int32_t rotation_ = 0;
    bool zoomLocked_ = false;
    uint32_t lastPaintedIndex_ = noIndex;
    // Left by the last paint for afterPaint: the image a transition reveals and where.
    struct PendingTransition {
        QImage image;
        int32_t x = 0, y = 0;
        int effect = -1;  // none
    } pendingTransition_;
    bool pendingScroll_ = false;  // the view glides or scrolls once the frame is on screen
    // The effect being played: its steps, the next one to draw, and what it reveals where.
    struct Effect {
        TransitionPlan steps;
        size_t next = 0;
        QImage image, faded;
        int32_t x = 0, y = 0;
    } effect_;
    std::vector<QPoint> glide_;  // the glide's scroll positions being played
    size_t glideNext_ = 0;
    bool playing_ = false;
    bool hurried_ = false;  // finishing at once: no glide is started
    std::chrono::steady_clock::time_point nextStepDue_;
    WindowTimer playTimer_;

    int32_t scrollStep_ = 100;  // pixels
    int32_t scrollX_ = 0, scrollY_ = 0, scrollRangeX_ = 0, scrollRangeY_ = 0;
    bool scrolled_ = false;
    bool dragging_ = false;    // the left button drags the picture, not the window
    int32_t wheelTurned_ = 0;  // the part of a wheel notch turned so far, in wheel delta units
    Point dragStart_;          // screen point where the current drag step began
    Rect dragWindowRect_;
};
