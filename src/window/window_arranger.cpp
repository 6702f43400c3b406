// Where the window goes in the normal layer, and what it carries: status bar, tray icon, blend.
#include "window/window_arranger.h"

#include "platform/screen.h"
#include "platform/status_bar.h"
#include "platform/tray_icon.h"
#include "platform/window_host.h"
#include "platform/x11.h"
#include "window/placement.h"
#include "window/status_texts.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace {
constexpr int statusParts[] = {70, 160, 200, 260, 360, 410, 440};
}  // namespace

TrayRecord::TrayRecord() = default;
TrayRecord::~TrayRecord() = default;

void TrayRecord::setTip(const std::string& text) {
    // Count characters as UTF-16 units, as the tip's limit is given; stop before a character
    // that would not fit whole.
    size_t units = 0, end = 0;
    while (end < text.size()) {
        const unsigned char lead = static_cast<unsigned char>(text[end]);
        const size_t length = lead < 0x80 ? 1 : lead >= 0xf0 ? 4 : lead >= 0xe0 ? 3 : lead >= 0xc0 ? 2 : 1;
        const size_t width = length == 4 ? 2 : 1;
        if (units + width > maxTip || end + length > text.size()) break;
        units += width;
        end += length;
    }
    tip = text.substr(0, end);
}

WindowArranger::WindowArranger(Settings& settings, WindowHost& window, const Rect& screen, ShownPicture picture)
    : settings_(settings),
      window_(window),
      screen_(screen),
      picture_(std::move(picture)),
      blendAvailable_(compositorRunning()) {
    window_.setIconFromResource(tray_.icon);
}

WindowArranger::~WindowArranger() = default;

Rect WindowArranger::workArea() const {
    Rect area = ::workArea();
    if (blackboxShell_ && !settings_.crop) area.top -= settings_.bbCaptionAdjust;
    return area;
}

void WindowArranger::centerWindow() {
    const Rect& r = settings_.windowRect;
    window_.setFrameRect(centeredRect(workArea(), r.width(), r.height()));
    settings_.windowRect = window_.frameRect();
}

void WindowArranger::roamWindow() {
    const Rect& r = settings_.windowRect;
    const int across = std::rand(), down = std::rand();
    window_.setFrameRect(roamedRect(workArea(), r.width(), r.height(), across, down));
    settings_.windowRect = window_.frameRect();
}

void WindowArranger::corralWindow() {
    window_.setFrameRect(corralRect(settings_.windowRect, screen_.right, screen_.bottom));
    settings_.windowRect = window_.frameRect();
}

void WindowArranger::savePreset(int n) {
    if (settings_.layer == Layer::Fullscreen) return;
    settings_.windowRect = window_.frameRect();
    if (n >= 1 && n <= 5) settings_.presets[size_t(n - 1)] = settings_.windowRect;
    settings_.wrap = false;
}

void WindowArranger::placeAtPreset(int n) {
    settings_.wrap = false;
    if (n >= 1 && n <= 5) settings_.windowRect = usableRect(settings_.presets[size_t(n - 1)]);
    window_.setFrameRect(settings_.windowRect);
}

void WindowArranger::shapeWindowToPicture() {
    if (settings_.layer == Layer::Fullscreen || settings_.collage) return;
    const Settings& s = settings_;
    const Rect window = window_.frameRect();
    const QSize picture = picture_.fit(window);
    const Rect region = anchoredRect(s.layout, window.width(), window.height(), picture.width(), picture.height());
    window_.setMask(&region);
}

void WindowArranger::fitWindowToPicture() {
    if (!picture_.loaded()) return;
    const Settings& s = settings_;
    const Margins frame = window_.frameExtents();
    const int32_t bar = statusBarHeight();
    const Rect bounds =
        pictureBounds(::workArea(), s.crop ? nullptr : &frame, bar, blackboxShell_ ? s.bbCaptionAdjust : 0);
    const QSize picture = picture_.fit(bounds);
    int32_t pw = picture.width(), ph = picture.height();
    if (blackboxShell_ && !s.crop) ph += s.bbWindowAdjust;
    if (!s.squeeze || picture_.zoomLocked()) {
        pw = std::min(pw, bounds.width());
        ph = std::min(ph, bounds.height());
    }
    // The frame grows around the client area the picture (and the bar) needs; a tiny picture
    // gets the smallest window, except cropped, where the window is the picture.
    int32_t w = pw + (s.crop ? 0 : frame.left + frame.right);
    int32_t h = ph + bar + (s.crop ? 0 : frame.top + frame.bottom);
    if (!s.crop) {
        w = std::max(w, minimumWindowWidth);
        h = std::max(h, minimumWindowHeight);
    }
    const Rect& at = settings_.windowRect;
    if (s.autocenter) {
        window_.setFrameRect(centeredRect(workArea(), w, h));
    } else if (s.roamwindow) {
        settings_.windowRect = {at.left, at.top, at.left + w, at.top + h};
        roamWindow();
    } else {
        window_.setFrameRect({at.left, at.top, at.left + w, at.top + h});
    }
    settings_.windowRect = window_.frameRect();
    // Shaped once the window has its new size, so the region matches what is painted.
    if (s.crop) shapeWindowToPicture();
}

void WindowArranger::createStatusBar() {
    if (statusBar_) return;
    statusBar_ = std::make_unique<StatusBar>(window_, statusParts);
    statusBarHeight_ = statusBar_->height();
    statusBar_->setText(6, "\tF1", true);
    if (!settings_.slide) statusBar_->setText(countdownPart, countdownText(false, 0));
}

void WindowArranger::destroyStatusBar() { statusBar_.reset(); }

int32_t WindowArranger::statusBarHeight() const { return statusBar_ ? statusBarHeight_ : 0; }

void WindowArranger::showTrayIcon(bool show) {
    if (!show) tray_.shell.reset();
    else if (!tray_.shell) tray_.shell = std::make_unique<TrayIcon>(window_, tray_.icon, tray_.tip);
}

void WindowArranger::setTrayTip(const std::string& text) {
    tray_.setTip(text);
    if (tray_.shell) tray_.shell->setTip(tray_.tip);
}

void WindowArranger::applyBlend() {
    const Settings& s = settings_;
    window_.setOpacity(s.layer != Layer::Wallpaper && s.blend && blendAvailable_ ? (s.opacity & 0xff) : 255);
}
