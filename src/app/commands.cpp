// The commands: what each shows in the menu, its keys, its marks and what it does. Every menu item,
// key and command message arrives here.
#include "app/app_globals.h"
#include "app/app_state.h"
#include "app/command_table.h"
#include "config/paths.h"
#include "platform/clipboard.h"
#include "platform/dialogs.h"
#include "platform/launch.h"
#include "platform/screen.h"
#include "platform/window_host.h"
#include "resources/dialog_templates.h"

#include <algorithm>

namespace {

constexpr CommandKey key(int qtKey, int modifiers = 0) { return {qtKey, 0, modifiers}; }
constexpr CommandKey typed(char character, int modifiers = 0) { return {0, character, modifiers}; }

// Sort: the setting changes at once; the list is re-ordered unless a scan runs (which orders
// with the new setting itself).
template <SortOrder direction>
void sortDirection(AppState& a) {
    a.settings.sort = direction;
    if (a.catalog.scanRunning()) return;
    a.catalog.order();
    a.updateStatusBar();
}

template <SortKey key>
void sortKey(AppState& a) {
    a.settings.sortby = key;
    if (a.catalog.scanRunning() || shuffles(a.settings.sort)) return;
    a.catalog.order();
    a.updateStatusBar();
}

// A setting that changes which files the list holds: toggled, then the folder scanned again.
template <bool Settings::*setting>
void toggleAndRescan(AppState& a) {
    if (a.catalog.scanRunning()) return;
    a.settings.*setting = !(a.settings.*setting);
    a.catalog.refresh();
    if (a.settings.autorefresh) a.catalog.startWatcher(a.wallpaper.path());
}

// A format: toggled even while a scan runs; the rescan then does nothing.
template <bool Settings::*format>
void toggleFormat(AppState& a) {
    a.settings.*format = !(a.settings.*format);
    a.catalog.refresh();
}

// How pictures are read: the picture keeps its own copy, and the one on show is read anew.
template <bool Settings::*setting, bool Picture::*reading>
void toggleReading(AppState& a) {
    a.settings.*setting = a.view.picture().*reading = !(a.settings.*setting);
    if (!a.catalog.images().empty()) a.showCurrent(true);
}

template <bool Settings::*setting>
void toggle(AppState& a) {
    a.settings.*setting = !(a.settings.*setting);
}

void browse(AppState& a) {
    if (a.catalog.scanRunning()) return;
    a.runModal([&a] {
        if (!a.catalog.browseFolder()) return;
        a.showCurrent(true);
        if (a.settings.autorefresh) a.catalog.startWatcher(a.wallpaper.path());
    });
}

// The folder holding the current picture becomes the root.
void currentFolder(AppState& a) {
    if (a.catalog.images().empty() || a.catalog.scanRunning()) return;
    a.settings.folder = folderOf(a.catalog.images()[a.catalog.index()].path);
    a.catalog.refresh();
    if (a.settings.autorefresh) a.catalog.startWatcher(a.wallpaper.path());
}

// A numeric-input dialog on a setting, nothing more.
template <int templateId, int32_t Settings::*setting>
void askFor(AppState& a) {
    a.runModal([&a] { a.askSetting(templateId, a.settings.*setting); });
}

void openMenu(AppState& a) {
    const Point at = menuOrigin(a.mainWindow.clientScreenRect(), cursorPosition(), a.settings.atCursor);
    a.showContextMenu(at.x, at.y, 0);
}

// After a change in the folder: go to the newest file by creation or modification time.
template <FindLast which>
void autofind(AppState& a) {
    if (a.settings.autofindlast == which) {
        a.settings.autofindlast = FindLast::Nothing;
        return;
    }
    a.settings.autofindlast = which;
    if (a.settings.autorefresh) a.catalog.onFolderChanged();
}

// A shortcut or a copy of the current file to the favorites folder or to the desktop.
template <void (FileCommands::*send)(const std::string&), bool desktop>
void fileAway(AppState& a) {
    if (a.catalog.images().empty() || a.fileCommands.isPastedPicture()) return;
    a.runModal(
        [&a] { (a.fileCommands.*send)(desktop ? a.fileCommands.desktopFolder() : a.fileCommands.favoritesFolder()); });
}

// Landscape or portrait only: turning one on turns the other off and walks to a picture that fits.
template <bool Settings::*filter, bool Settings::*other>
void orientationFilter(AppState& a) {
    a.settings.*filter = !(a.settings.*filter);
    if (!(a.settings.*filter)) return;
    a.settings.*other = false;
    a.showCurrent(true);
}

template <int32_t style>
void wallpaperStyle(AppState& a) {
    a.wallpaper.setStyle(style);
    a.wallpaper.setBlackboxStyle(style);
    a.wallpaper.update();
}

template <int n>
void savePreset(AppState& a) {
    a.arranger.savePreset(n);
}

template <int n>
void restorePreset(AppState& a) {
    a.restorePreset(n);
}

// Fullscreen and wallpaper need a picture to show.
template <Layer layer>
void layerWithPictures(AppState& a) {
    if (!a.catalog.images().empty()) a.setLayer(layer);
}

template <Anchor anchor>
void fullscreenAnchor(AppState& a) {
    a.settings.fullscreenlayout = anchor;
    if (a.settings.layer != Layer::Fullscreen) return;
    a.settings.layout = anchor;
    a.arrangeWindow();
}

// The fifteen effects: each item adds its effect at the end of the list or takes it out.
template <int32_t effect>
void toggleTransition(AppState& a) {
    std::vector<int32_t>& enabled = a.settings.enabledTransitions;
    const auto found = std::find(enabled.begin(), enabled.end(), effect);
    if (found != enabled.end()) enabled.erase(found);
    else enabled.push_back(effect);
}

using S = Settings;

// Marks: a setting on, or a setting at this value, checks the item.
template <bool Settings::*setting>
Marks checkedIf(const S& s, const MenuFacts&) {
    return {s.*setting};
}

template <auto setting, auto value>
Marks checkedAt(const S& s, const MenuFacts&) {
    return {s.*setting == value};
}

template <int32_t effect>
Marks transitionMark(const S& s, const MenuFacts&) {
    return {std::find(s.enabledTransitions.begin(), s.enabledTransitions.end(), effect) != s.enabledTransitions.end()};
}

// Clear and Restore: greyed while the Blackbox shell draws the wallpaper.
Marks greyedWhileBlackboxDrawsWallpaper(const S& s, const MenuFacts& f) {
    return {false, f.blackboxShell && s.bbWallpaper};
}

// Every "Pin" item: checked while its menu is pinned.
template <Command pin>
constexpr CommandRow pinRow() {
    return {pin,
            "Pin",
            "",
            {},
            [](const S&, const MenuFacts& f) { return Marks{f.pins.pinned(pin)}; },
            [](AppState& a) { a.pins.pin(pin); }};
}

// clang-format off
constexpr CommandRow rows[] = {
    {Command::Slideshow, "Slideshow", "Pause", {typed('!'), key(Qt::Key_Pause), key(Qt::Key_Return), key(Qt::Key_Enter),
     key(Qt::Key_MediaPlay), key(Qt::Key_MediaTogglePlayPause)}, checkedIf<&S::slide>,
     [](AppState& a) {
         a.settings.slide = !a.settings.slide;
         a.slideshow.restart();
     }},
    {Command::Timer, "Timer...", "Ctrl+T", {key(Qt::Key_T, KeyControl)}, nullptr,
     [](AppState& a) {
         a.runModal([&a] {
             a.askSetting(103, a.settings.timer);
             a.slideshow.restart();
         });
     }},
    {Command::SortForward, "Forward", "Alt+F", {key(Qt::Key_F, KeyAlt)}, checkedAt<&S::sort, SortOrder::Forward>,
     sortDirection<SortOrder::Forward>},
    {Command::SortReverse, "Re&verse", "Alt+V", {key(Qt::Key_V, KeyAlt)}, checkedAt<&S::sort, SortOrder::Reverse>,
     sortDirection<SortOrder::Reverse>},
    {Command::SortRandom, "Random (Shuffle)", "Alt+R", {key(Qt::Key_R, KeyAlt)}, checkedAt<&S::sort, SortOrder::Random>,
     sortDirection<SortOrder::Random>},
    {Command::SortByName, "Name", "J", {key(Qt::Key_J)}, checkedAt<&S::sortby, SortKey::Name>, sortKey<SortKey::Name>},
    {Command::SortByCreated, "Created", "Ctrl+J", {key(Qt::Key_J, KeyControl)}, checkedAt<&S::sortby, SortKey::Created>,
     sortKey<SortKey::Created>},
    {Command::SortByModified, "Modified", "Shift+J", {key(Qt::Key_J, KeyShift)}, checkedAt<&S::sortby, SortKey::Modified>,
     sortKey<SortKey::Modified>},
    {Command::SortByAccessed, "Accessed", "Alt+J", {key(Qt::Key_J, KeyAlt)}, checkedAt<&S::sortby, SortKey::Accessed>,
     sortKey<SortKey::Accessed>},
    {Command::LayerNormal, "Normal", "Alt+N", {key(Qt::Key_N, KeyAlt)}, checkedAt<&S::layer, Layer::Normal>,
     [](AppState& a) { a.setLayer(Layer::Normal); }},
    {Command::LayerFullscreen, "Fullscreen", "F11", {key(Qt::Key_F11)}, checkedAt<&S::layer, Layer::Fullscreen>,
     layerWithPictures<Layer::Fullscreen>},
    {Command::FullscreenLayer, "Layer Fullscreen", "F11", {}, checkedAt<&S::layer, Layer::Fullscreen>,
     layerWithPictures<Layer::Fullscreen>},
    {Command::LayerWallpaper, "Wallpaper", "Alt+W", {key(Qt::Key_W, KeyAlt)}, checkedAt<&S::layer, Layer::Wallpaper>,
     layerWithPictures<Layer::Wallpaper>},
    {Command::WallpaperLayer, "Layer Wallpaper", "Alt+W", {}, checkedAt<&S::layer, Layer::Wallpaper>,
     layerWithPictures<Layer::Wallpaper>},
    {Command::StayOnTop, "Stay On &Top", "Alt+T", {key(Qt::Key_T, KeyAlt)}, checkedIf<&S::ontop>,
     [](AppState& a) {
         a.settings.ontop = !a.settings.ontop;
         a.mainWindow.setStayOnTop(a.settings.ontop);
     }},
    {Command::Blend, "Blend", "B", {key(Qt::Key_B)},
     [](const S& s, const MenuFacts& f) { return Marks{s.blend, !f.blendAvailable}; },
     [](AppState& a) {
         a.settings.blend = !a.settings.blend;
         a.arranger.applyBlend();
     }},
    {Command::Opacity, "Opacity...", "Ctrl+B", {key(Qt::Key_B, KeyControl)},
     [](const S&, const MenuFacts& f) { return Marks{false, !f.blendAvailable}; },
     [](AppState& a) {
         askFor<107, &S::opacity>(a);
         a.settings.opacity = std::min<uint32_t>(uint32_t(a.settings.opacity), 255);
         a.arranger.applyBlend();  // seen only while blending
     }},
    {Command::LoopRestart, "Loop", "", {}, checkedAt<&S::loop, LoopEnd::Loop>,
     [](AppState& a) { a.settings.loop = LoopEnd::Loop; }},
    {Command::LoopPause, "Pause", "", {}, checkedAt<&S::loop, LoopEnd::Pause>,
     [](AppState& a) { a.settings.loop = LoopEnd::Pause; }},
    {Command::LoopExit, "Exit", "", {}, checkedAt<&S::loop, LoopEnd::Exit>,
     [](AppState& a) { a.settings.loop = LoopEnd::Exit; }},
    {Command::LoopReshuffle, "Reshuffle", "", {}, checkedIf<&S::loopshuffle>, toggle<&S::loopshuffle>},
    {Command::Next, "Next", "Page Down", {key(Qt::Key_PageDown), key(Qt::Key_PageDown, KeyShift),
     key(Qt::Key_PageDown, KeyControl), key(Qt::Key_Space), key(Qt::Key_Space, KeyShift),
     key(Qt::Key_Space, KeyControl)},
     nullptr,
     [](AppState& a) { a.step(+1, a.commandModifiers()); }},
    {Command::Previous, "Previous", "Page Up", {key(Qt::Key_PageUp), key(Qt::Key_PageUp, KeyShift),
     key(Qt::Key_PageUp, KeyControl), key(Qt::Key_Backspace), key(Qt::Key_Backspace, KeyShift),
     key(Qt::Key_Backspace, KeyControl)}, nullptr,
     [](AppState& a) { a.step(-1, a.commandModifiers()); }},
    {Command::First, "First", "Home", {key(Qt::Key_Home)}, nullptr,
     [](AppState& a) {
         a.catalog.setIndex(0);
         a.showCurrent(true);
     }},
    {Command::Last, "Last", "End", {key(Qt::Key_End)}, nullptr,
     [](AppState& a) {
         if (a.catalog.images().empty()) return;
         a.catalog.setIndex(uint32_t(a.catalog.images().size() - 1));
         a.showCurrent(false);
     }},
    {Command::ShowCurrent, "Current", "F5", {key(Qt::Key_F5)}, nullptr,
     [](AppState& a) {
         if (a.settings.collage) a.view.resetCollage();
         if (a.catalog.scanRunning()) a.arrangeWindow();
         else a.showCurrent(true);
     }},
    {Command::ScrollLeft, "Left", "Left Arrow", {key(Qt::Key_Left), key(Qt::Key_Left, KeyShift),
     key(Qt::Key_Left, KeyControl), key(Qt::Key_Left, KeyAlt)}, nullptr,
     [](AppState& a) { a.view.scrollBy(-1, 0, a.commandModifiers()); }},
    {Command::ScrollRight, "Right", "Right Arrow", {key(Qt::Key_Right), key(Qt::Key_Right, KeyShift),
     key(Qt::Key_Right, KeyControl), key(Qt::Key_Right, KeyAlt)}, nullptr,
     [](AppState& a) { a.view.scrollBy(1, 0, a.commandModifiers()); }},
    {Command::ScrollUp, "Up", "Up Arrow", {key(Qt::Key_Up), key(Qt::Key_Up, KeyShift), key(Qt::Key_Up, KeyControl),
     key(Qt::Key_Up, KeyAlt)}, nullptr,
     [](AppState& a) { a.view.scrollBy(0, -1, a.commandModifiers()); }},
    {Command::ScrollDown, "Down", "Down Arrow", {key(Qt::Key_Down), key(Qt::Key_Down, KeyShift),
     key(Qt::Key_Down, KeyControl), key(Qt::Key_Down, KeyAlt)}, nullptr,
     [](AppState& a) { a.view.scrollBy(0, 1, a.commandModifiers()); }},
    {Command::Autoscroll, "Autoscroll", "", {}, checkedIf<&S::autoscroll>, toggle<&S::autoscroll>},
    {Command::Browse, "Browse...", "Ins", {key(Qt::Key_Insert)}, nullptr, browse},
    {Command::CurrentFolder, "Current", "Shift+F5", {key(Qt::Key_F5, KeyShift)}, nullptr, currentFolder},
    {Command::Refresh, "Refresh", "Ctrl+R", {key(Qt::Key_R, KeyControl)}, nullptr, [](AppState& a) { a.catalog.refresh(); }},
    {Command::Subfolders, "Subfolders", "", {}, checkedIf<&S::subfolders>, toggleAndRescan<&S::subfolders>},
    {Command::HiddenFolders, "Hidden Folders", "", {}, checkedIf<&S::hidden>, toggleAndRescan<&S::hidden>},
    {Command::Peek, "Peek", "Ctrl+P", {key(Qt::Key_P, KeyControl)}, checkedIf<&S::peek>,
     [](AppState& a) { if (!a.catalog.scanRunning()) toggle<&S::peek>(a); }},
    {Command::PeekSort, "...sort", "Shift+Ctrl+P", {key(Qt::Key_P, KeyControl | KeyShift)}, checkedIf<&S::peeksort>,
     toggle<&S::peeksort>},
    {Command::PeekCount, "...count", "", {}, checkedIf<&S::peekcount>, toggle<&S::peekcount>},
    {Command::AutoRefresh, "Auto Refresh", "Ctrl+A", {key(Qt::Key_A, KeyControl)}, checkedIf<&S::autorefresh>,
     [](AppState& a) {  // on, it refreshes at once
         a.settings.autorefresh = !a.settings.autorefresh;
         if (!a.settings.autorefresh) return a.catalog.stopWatcher();
         a.catalog.startWatcher(a.wallpaper.path());
         a.catalog.onFolderChanged();
     }},
    {Command::AutoRefreshToLastCreated, "...to last created", "", {}, checkedAt<&S::autofindlast, FindLast::NewestCreated>,
     autofind<FindLast::NewestCreated>},
    {Command::AutoRefreshToLastModified, "...to last modified", "", {}, checkedAt<&S::autofindlast, FindLast::NewestModified>,
     autofind<FindLast::NewestModified>},
    {Command::FindOrFilter, "Find/Filter...", "Ctrl+F", {key(Qt::Key_F, KeyControl)}, nullptr,
     [](AppState& a) {
         if (a.catalog.scanRunning()) return;
         a.runModal([&a] {
             if (a.catalog.findOrFilter()) a.showCurrent(true);
         });
     }},
    {Command::FindNext, "Find Next", "F3", {key(Qt::Key_F3)}, nullptr,
     [](AppState& a) {
         if (a.catalog.scanRunning()) return;
         a.runModal([&a] {
             if (a.catalog.findNext(true)) a.showCurrent(true);
         });
     }},
    {Command::LandscapeOnly, "Landscape", "Alt+L", {key(Qt::Key_L, KeyAlt)}, checkedIf<&S::landscapeOnly>,
     orientationFilter<&S::landscapeOnly, &S::portraitOnly>},
    {Command::PortraitOnly, "Portrait", "Alt+P", {key(Qt::Key_P, KeyAlt)},
     [](const S& s, const MenuFacts&) { return Marks{!s.landscapeOnly && s.portraitOnly}; },
     orientationFilter<&S::portraitOnly, &S::landscapeOnly>},
    {Command::Bookmark, "Bookmark", "Ctrl+M", {key(Qt::Key_M, KeyControl)}, nullptr,
     [](AppState& a) {
         if (!a.catalog.scanRunning()) a.settings.bookmark = int32_t(a.catalog.index());
     }},
    {Command::GoToMark, "Go To Mark", "M", {key(Qt::Key_M)}, nullptr,
     [](AppState& a) {
         if (uint32_t(a.settings.bookmark) >= a.catalog.images().size()) return;
         a.catalog.setIndex(uint32_t(a.settings.bookmark));
         a.showCurrent(true);
     }},
    {Command::GoTo, "Go To...", "Ctrl+G", {key(Qt::Key_G, KeyControl)}, nullptr, [](AppState& a) { a.goTo(); }},
    {Command::FormatBmp, "BMP", "", {}, checkedIf<&S::bmp>, toggleFormat<&S::bmp>},
    {Command::FormatEmf, "EMF", "", {}, checkedIf<&S::emf>, toggleFormat<&S::emf>},
    {Command::FormatGif, "GIF", "", {}, checkedIf<&S::gif>, toggleFormat<&S::gif>},
    {Command::FormatIco, "ICO", "", {}, checkedIf<&S::ico>, toggleFormat<&S::ico>},
    {Command::FormatJpg, "JPG", "", {}, checkedIf<&S::jpg>, toggleFormat<&S::jpg>},
    {Command::FormatPng, "PNG", "", {}, checkedIf<&S::png>, toggleFormat<&S::png>},
    {Command::FormatTif, "TIF", "", {}, checkedIf<&S::tif>, toggleFormat<&S::tif>},
    {Command::FormatWebp, "WebP", "", {}, checkedIf<&S::webp>, toggleFormat<&S::webp>},
    {Command::FormatAvif, "AVIF", "", {}, checkedIf<&S::avif>, toggleFormat<&S::avif>},
    {Command::FormatHeif, "HEIF", "", {}, checkedIf<&S::heif>, toggleFormat<&S::heif>},
    {Command::FormatJxl, "JPEG XL", "", {}, checkedIf<&S::jxl>, toggleFormat<&S::jxl>},
    {Command::FormatSvg, "SVG", "", {}, checkedIf<&S::svg>, toggleFormat<&S::svg>},
    {Command::SendShortcut, "Send Shortcut", "F8", {key(Qt::Key_F8)}, nullptr,
     fileAway<&FileCommands::sendShortcut, false>},
    {Command::SendShortcutToDesktop, "Send To Desktop", "D", {key(Qt::Key_D)}, nullptr,
     fileAway<&FileCommands::sendShortcut, true>},
    {Command::SendCopy, "Send Copy", "Alt+F8", {key(Qt::Key_F8, KeyAlt)}, nullptr,
     fileAway<&FileCommands::sendCopy, false>},
    {Command::SendCopyToDesktop, "Copy To Desktop", "Alt+D", {key(Qt::Key_D, KeyAlt)}, nullptr,
     fileAway<&FileCommands::sendCopy, true>},
    {Command::ViewFavorites, "View Favorites", "Shift+F8", {key(Qt::Key_F, KeyShift), key(Qt::Key_F8, KeyShift)},
     nullptr, [](AppState& a) { a.fileCommands.viewFolder(a.settings.favorites); }},
    {Command::ViewDesktop, "View Desktop", "Shift+D", {key(Qt::Key_D, KeyShift)}, nullptr,
     [](AppState& a) { a.fileCommands.viewFolder(a.fileCommands.desktopFolder()); }},
    {Command::ViewTarget, "View Target", "Shift+L", {key(Qt::Key_L, KeyShift)}, nullptr,
     [](AppState& a) { a.fileCommands.viewTarget(); }},
    {Command::FavoritesFolder, "Folder...", "Ctrl+F8", {key(Qt::Key_F8, KeyControl)}, nullptr,
     [](AppState& a) { a.runModal([&a] { a.fileCommands.chooseFilingFolder(false); }); }},
    {Command::Wrap, "Wrap", "W", {key(Qt::Key_W)}, checkedIf<&S::wrap>, [](AppState& a) { a.toggleWrap(); }},
    {Command::Crop, "Crop", "C", {key(Qt::Key_C)}, checkedIf<&S::crop>, [](AppState& a) { a.toggleCrop(); }},
    {Command::Squeeze, "Squeeze", "S", {key(Qt::Key_S)}, checkedIf<&S::squeeze>,
     [](AppState& a) { a.view.toggleFit(&S::squeeze); }},
    {Command::Shrink, "Shrink", "Alt+S", {key(Qt::Key_S, KeyAlt)}, checkedIf<&S::shrink>,
     [](AppState& a) { a.view.toggleFit(&S::shrink); }},
    {Command::Stretch, "Stretch", "Shift+S", {key(Qt::Key_S, KeyShift)}, checkedIf<&S::stretch>,
     [](AppState& a) { a.view.toggleFit(&S::stretch); }},
    {Command::ZoomIn, "Zoom In", "+", {typed('+'), typed('+', KeyAlt)}, nullptr, [](AppState& a) { a.view.zoomBy(+1, a.commandModifiers()); }},
    {Command::ZoomOut, "Zoom Out", "-", {typed('-'), typed('-', KeyAlt)}, nullptr, [](AppState& a) { a.view.zoomBy(-1, a.commandModifiers()); }},
    {Command::Zoom100, "Zoom 100%", "=", {typed('=')}, nullptr, [](AppState& a) { a.view.zoomToggle100(); }},
    {Command::ZoomStep, "Zoom Step...", "Ctrl+Z", {key(Qt::Key_Z, KeyControl)}, nullptr, askFor<106, &S::zoomstep>},
    {Command::ZoomLock, "Zoom Lock", "Shift+Z", {key(Qt::Key_Z, KeyShift)}, nullptr, [](AppState& a) { a.view.zoomLock(); }},
    {Command::QualityDefault, "Default", "(Quality)", {}, checkedAt<&S::zoomquality, ZoomQuality::Bilinear>,
     [](AppState& a) { a.view.setZoomQuality(ZoomQuality::Bilinear); }},
    {Command::QualityHigh, "High", "", {}, checkedAt<&S::zoomquality, ZoomQuality::Smooth>,
     [](AppState& a) { a.view.setZoomQuality(ZoomQuality::Smooth); }},
    {Command::QualityBest, "Best", "", {}, checkedAt<&S::zoomquality, ZoomQuality::Best>,
     [](AppState& a) { a.view.setZoomQuality(ZoomQuality::Best); }},
    {Command::Animate, "Animate", "", {}, checkedIf<&S::animate>, toggleReading<&S::animate, &Picture::animate>},
    {Command::RotateRight, "Rotate", "R", {key(Qt::Key_R)}, nullptr, [](AppState& a) { a.view.turnPicture(Turn::Right); }},
    {Command::RotateLeft, "Rotate Left", "L", {key(Qt::Key_L)}, nullptr, [](AppState& a) { a.view.turnPicture(Turn::Left); }},
    {Command::RotateLock, "Rotate Lock", "Shift+R", {key(Qt::Key_R, KeyShift)}, nullptr,
     [](AppState& a) { a.settings.rotation = a.view.rotation(); }},
    {Command::AspectFilter, "Aspect Filter", "Ctrl+Shift+R", {key(Qt::Key_R, KeyControl | KeyShift)},
     checkedIf<&S::rotateaspect>, toggle<&S::rotateaspect>},
    {Command::FlipHorizontal, "Flip Horizontal", "H", {key(Qt::Key_H)}, nullptr, [](AppState& a) { a.view.turnPicture(Turn::Flip); }},
    {Command::AutoRotate, "Auto Rotate", "", {}, checkedIf<&S::autorotate>,
     toggleReading<&S::autorotate, &Picture::upright>},
    {Command::LayoutCentered, "Centered", "Ctrl+0", {key(Qt::Key_0, KeyControl)}, checkedAt<&S::layout, Anchor::Centered>,
     [](AppState& a) { a.setLayout(Anchor::Centered); }},
    {Command::LayoutTopLeft, "Top Left", "Ctrl+1", {key(Qt::Key_1, KeyControl)}, checkedAt<&S::layout, Anchor::TopLeft>,
     [](AppState& a) { a.setLayout(Anchor::TopLeft); }},
    {Command::LayoutTopRight, "Top Right", "Ctrl+2", {key(Qt::Key_2, KeyControl)}, checkedAt<&S::layout, Anchor::TopRight>,
     [](AppState& a) { a.setLayout(Anchor::TopRight); }},
    {Command::LayoutBottomLeft, "Bottom Left", "Ctrl+3", {key(Qt::Key_3, KeyControl)}, checkedAt<&S::layout, Anchor::BottomLeft>,
     [](AppState& a) { a.setLayout(Anchor::BottomLeft); }},
    {Command::LayoutBottomRight, "Bottom Right", "Ctrl+4", {key(Qt::Key_4, KeyControl)}, checkedAt<&S::layout, Anchor::BottomRight>,
     [](AppState& a) { a.setLayout(Anchor::BottomRight); }},
    {Command::LayoutRoaming, "Roaming", "Ctrl+5", {key(Qt::Key_5, KeyControl)}, checkedAt<&S::layout, Anchor::Roaming>,
     [](AppState& a) { a.setLayout(Anchor::Roaming); }},
    {Command::Collage, "Colla&ge", "G", {key(Qt::Key_G)}, checkedIf<&S::collage>,
     [](AppState& a) {
         Settings& s = a.settings;
         s.collage = !s.collage;
         if (s.collage) {
             if (s.crop) a.mainWindow.setMask(nullptr);
             a.view.resetCollage();
         }
         a.arrangeWindow();
     }},
    {Command::CollageSize, "Collage Size...", "", {}, nullptr, askFor<105, &S::collagesize>},
    {Command::Transitions, "Transitions", "T", {key(Qt::Key_T)}, checkedIf<&S::transitions>, toggle<&S::transitions>},
    {Command::ShuttersRight, "Shutters Right", "", {}, transitionMark<0>, toggleTransition<0>},
    {Command::ShuttersLeft, "Shutters Left", "", {}, transitionMark<1>, toggleTransition<1>},
    {Command::ShuttersDown, "Shutters Down", "", {}, transitionMark<2>, toggleTransition<2>},
    {Command::ShuttersUp, "Shutters Up", "", {}, transitionMark<3>, toggleTransition<3>},
    {Command::WipeRightLeft, "Wipe Right/Left", "", {}, transitionMark<4>, toggleTransition<4>},
    {Command::WipeLeftRight, "Wipe Left/Right", "", {}, transitionMark<5>, toggleTransition<5>},
    {Command::WipeDownUp, "Wipe Down/Up", "", {}, transitionMark<6>, toggleTransition<6>},
    {Command::WipeUpDown, "Wipe Up/Down", "", {}, transitionMark<7>, toggleTransition<7>},
    {Command::HorizontalSlide, "Horizontal Slide", "", {}, transitionMark<8>, toggleTransition<8>},
    {Command::VerticalSlide, "Vertical Slide", "", {}, transitionMark<9>, toggleTransition<9>},
    {Command::QuadrantSlide, "Quadrant Slide", "", {}, transitionMark<10>, toggleTransition<10>},
    {Command::QuadrantWipe, "Quadrant Wipe", "", {}, transitionMark<11>, toggleTransition<11>},
    {Command::QuadrantPeel, "Quadrant Peel", "", {}, transitionMark<12>, toggleTransition<12>},
    {Command::Dissolve, "Dissolve", "", {}, transitionMark<13>, toggleTransition<13>},
    {Command::Crossfade, "Crossfade", "", {}, transitionMark<14>, toggleTransition<14>},
    {Command::AllTransitions, "All", "", {}, nullptr,
     [](AppState& a) { a.settings.enabledTransitions = allTransitions(); }},
    {Command::NoTransitions, "None", "", {}, nullptr, [](AppState& a) { a.settings.enabledTransitions.clear(); }},
    {Command::Overlap, "Overlap", "", {}, checkedIf<&S::overlap>, toggle<&S::overlap>},
    {Command::NameInCaption, "Name in Caption", "N", {key(Qt::Key_N)}, checkedIf<&S::title>,
     [](AppState& a) {
         a.settings.title = !a.settings.title;
         a.updateCaption();
     }},
    {Command::FullPath, "Full Path", "Shift+N", {key(Qt::Key_N, KeyShift)}, checkedIf<&S::fullname>,
     [](AppState& a) {
         a.settings.fullname = !a.settings.fullname;
         if (a.settings.title) a.updateCaption();
     }},
    {Command::StatusBar, "Status Bar", "I", {key(Qt::Key_I)}, checkedIf<&S::statusbar>,
     [](AppState& a) {
         Settings& s = a.settings;
         s.statusbar = !s.statusbar;
         if (s.statusbar && !s.crop && s.layer != Layer::Fullscreen) a.arranger.createStatusBar();
         else a.arranger.destroyStatusBar();
         if (s.layer == Layer::Normal) a.arrangeWindow();
     }},
    {Command::TrayIcon, "Tray Icon", "Alt+I", {key(Qt::Key_I, KeyAlt)}, checkedIf<&S::trayicon>,
     [](AppState& a) {
         Settings& s = a.settings;
         if (s.layer == Layer::Wallpaper) return;
         s.trayicon = !s.trayicon;
         a.mainWindow.hide();
         a.arranger.showTrayIcon(s.trayicon);
         a.mainWindow.setTaskbarEntry(!s.trayicon);
         a.mainWindow.show();
     }},
    {Command::Decorate, "Decorate", "", {}, checkedIf<&S::decorate>,
     [](AppState& a) {
         if (a.settings.layer == Layer::Wallpaper) return;
         a.settings.decorate = !a.settings.decorate;
         a.mainWindow.hide();
         a.mainWindow.setWindowButtons(a.settings.decorate);
         a.mainWindow.show();
     }},
    {Command::WhiteBackground, "White Background", "Alt+B", {key(Qt::Key_B, KeyAlt)}, checkedIf<&S::whitebg>,
     [](AppState& a) {
         a.settings.whitebg = !a.settings.whitebg;
         if (a.settings.collage) a.view.resetCollage();
         a.arrangeWindow();
     }},
    {Command::AutoCenter, "Auto Center", "", {}, checkedIf<&S::autocenter>,
     [](AppState& a) {
         Settings& s = a.settings;
         s.autocenter = !s.autocenter;
         if (s.autocenter) s.roamwindow = false;
         if (s.wrap && s.autocenter) a.arranger.centerWindow();
     }},
    {Command::Roam, "Roam", "", {}, checkedIf<&S::roamwindow>,
     [](AppState& a) {
         Settings& s = a.settings;
         s.roamwindow = !s.roamwindow;
         if (s.roamwindow) s.autocenter = false;
         if (s.wrap && s.roamwindow) a.arranger.roamWindow();
     }},
    {Command::Corral, "Corral", "", {}, checkedIf<&S::corral>,
     [](AppState& a) {
         a.settings.corral = !a.settings.corral;
         if (a.settings.corral) a.arrangeWindow();
     }},
    {Command::Draggable, "Draggable", "", {}, checkedIf<&S::draggable>, toggle<&S::draggable>},
    {Command::CenterWindow, "Center", "0", {key(Qt::Key_0)}, nullptr,
     [](AppState& a) {
         if (a.settings.layer == Layer::Fullscreen) a.setLayer(Layer::Normal);
         else a.arranger.centerWindow();
     }},
    {Command::SavePreset1, "1", "Alt+1", {key(Qt::Key_1, KeyAlt)}, nullptr, savePreset<1>},
    {Command::SavePreset2, "2", "Alt+2", {key(Qt::Key_2, KeyAlt)}, nullptr, savePreset<2>},
    {Command::SavePreset3, "3", "Alt+3", {key(Qt::Key_3, KeyAlt)}, nullptr, savePreset<3>},
    {Command::SavePreset4, "4", "Alt+4", {key(Qt::Key_4, KeyAlt)}, nullptr, savePreset<4>},
    {Command::SavePreset5, "5", "Alt+5", {key(Qt::Key_5, KeyAlt)}, nullptr, savePreset<5>},
    {Command::RestorePreset1, "1", "1", {key(Qt::Key_1)}, nullptr, restorePreset<1>},
    {Command::RestorePreset2, "2", "2", {key(Qt::Key_2)}, nullptr, restorePreset<2>},
    {Command::RestorePreset3, "3", "3", {key(Qt::Key_3)}, nullptr, restorePreset<3>},
    {Command::RestorePreset4, "4", "4", {key(Qt::Key_4)}, nullptr, restorePreset<4>},
    {Command::RestorePreset5, "5", "5", {key(Qt::Key_5)}, nullptr, restorePreset<5>},
    {Command::ShowHideHotkey, "Show/Hide Hotkey...", "", {},
     [](const S&, const MenuFacts& f) { return Marks{f.hotkeyRegistered}; },
     [](AppState& a) { a.hotKeyCommand(); }},
    {Command::SingleInstance, "Single Instance", "(restart)", {}, checkedIf<&S::singleinstance>,
     toggle<&S::singleinstance>},
    {Command::SingleInstanceNow, "...now", "~", {typed('~')}, nullptr, [](AppState& a) { a.showHideKey.closeOtherInstances(); }},
    {Command::FullscreenCaption, "Caption", "Shift+F11", {key(Qt::Key_F11, KeyShift)}, checkedIf<&S::fullscreenname>,
     [](AppState& a) {
         a.settings.fullscreenname = !a.settings.fullscreenname;
         if (a.settings.layer != Layer::Fullscreen) return;
         if (a.settings.collage) {  // a new paint would add a tile
             a.view.showCollage();
             return;
         }
         a.view.unlockedZoomToSetting();
         a.arrangeWindow();
     }},
    {Command::FullscreenCursor, "Cursor", "Shift+U", {key(Qt::Key_U, KeyShift)}, checkedIf<&S::fullscreencursor>,
     [](AppState& a) {  // the display count follows the setting
         a.settings.fullscreencursor = !a.settings.fullscreencursor;
         if (a.settings.layer == Layer::Fullscreen) a.mainWindow.showCursor(a.settings.fullscreencursor);
     }},
    {Command::FullscreenCentered, "Centered Image", "Shift+0", {key(Qt::Key_0, KeyShift)},
     checkedAt<&S::fullscreenlayout, Anchor::Centered>,
     fullscreenAnchor<Anchor::Centered>},
    {Command::FullscreenRoaming, "Roaming Image", "Shift+5", {key(Qt::Key_5, KeyShift)},
     checkedAt<&S::fullscreenlayout, Anchor::Roaming>,
     fullscreenAnchor<Anchor::Roaming>},
    {Command::WallpaperCenter, "Center", "Ctrl+W", {key(Qt::Key_W, KeyControl)}, nullptr, wallpaperStyle<1>},
    {Command::WallpaperTile, "Tile", "Shift+W", {key(Qt::Key_W, KeyShift)}, nullptr, wallpaperStyle<2>},
    {Command::WallpaperStretch, "Stretch", "Ctrl+Shift+W", {key(Qt::Key_W, KeyControl | KeyShift)}, nullptr,
     wallpaperStyle<3>},
    {Command::WallpaperClear, "Clear", "", {}, greyedWhileBlackboxDrawsWallpaper,
     [](AppState& a) { a.wallpaper.clear(); }},
    {Command::WallpaperRestore, "Restore", "", {}, greyedWhileBlackboxDrawsWallpaper,
     [](AppState& a) { a.wallpaper.restore(); }},
    {Command::ViewFile, "View", "Shift+V", {key(Qt::Key_V, KeyShift)}, nullptr, [](AppState& a) { a.fileCommands.viewFile(); }},
    {Command::ExploreFolder, "Explore", "Shift+E", {key(Qt::Key_E, KeyShift)}, nullptr,
     [](AppState& a) { a.fileCommands.exploreFolder(); }},
    {Command::OpenWith, "Open Wit&h...", "Shift+H", {key(Qt::Key_H, KeyShift)}, nullptr,
     [](AppState& a) { a.fileCommands.openWith(); }},
    {Command::CopyFile, "Copy File...", "Shift+C", {key(Qt::Key_C, KeyShift)}, nullptr,
     [](AppState& a) { a.fileCommands.copyOrMoveFile(false); }},
    {Command::MoveFile, "Move/Rename...", "F2", {key(Qt::Key_F2)}, nullptr,
     [](AppState& a) { a.fileCommands.copyOrMoveFile(true); }},
    {Command::SaveAs, "Save As...", "Ctrl+S", {key(Qt::Key_S, KeyControl)}, nullptr,
     [](AppState& a) { a.fileCommands.saveViewAs(); }},
    {Command::CopyImage, "Copy Image", "Shift+Ctrl+C", {key(Qt::Key_C, KeyControl | KeyShift)}, nullptr,
     [](AppState& a) { setClipboardImage(a.view.shownPicture()); }},
    {Command::CopyView, "Copy View", "Ctrl+C", {key(Qt::Key_C, KeyControl)}, nullptr,
     [](AppState& a) { a.copyView(); }},
    {Command::Paste, "Paste", "Ctrl+V", {key(Qt::Key_V, KeyControl)}, nullptr, [](AppState& a) { a.paste(); }},
    {Command::Recycle, "Recycle", "Del", {key(Qt::Key_Delete)}, nullptr, [](AppState& a) { a.fileCommands.recycleCurrent(); }},
    {Command::ConfirmRecycle, "Confirm", "", {}, checkedIf<&S::confirmdelete>, toggle<&S::confirmdelete>},
    {Command::Archive, "Archive", "F9", {key(Qt::Key_F9)},
     [](const S& s, const MenuFacts&) { return Marks{false, !s.archiving}; },
     [](AppState& a) { a.fileCommands.archiveCurrent(); }},
    {Command::ViewArchive, "View Archive", "Shift+F9", {key(Qt::Key_F9, KeyShift)}, nullptr,
     [](AppState& a) { a.fileCommands.viewFolder(a.settings.archive); }},
    {Command::ArchiveFolder, "Archive Folder...", "Ctrl+F9", {key(Qt::Key_F9, KeyControl)}, nullptr,
     [](AppState& a) { a.runModal([&a] { a.fileCommands.chooseFilingFolder(true); }); }},
    {Command::ArchiveLog, "Archive Log", "", {}, checkedIf<&S::archivelog>, toggle<&S::archivelog>},
    {Command::ArchiveEnable, "Enable", "", {}, checkedIf<&S::archiving>, toggle<&S::archiving>},
    {Command::ViewWith, "View With...", "", {}, nullptr, [](AppState& a) { a.fileCommands.programPathDialog(true); }},
    {Command::ExploreWith, "Explore With...", "", {}, nullptr, [](AppState& a) { a.fileCommands.programPathDialog(false); }},
    {Command::BlackboxShell, "Blackbox Shell", "", {},
     [](const S&, const MenuFacts& f) { return Marks{f.blackboxShell}; },
     [](AppState& a) {
         a.arranger.setBlackboxShell(!a.arranger.blackboxShell());
         a.arrangeWindow();
     }},
    {Command::SmartWallpaper, "Smart Wallpaper", "", {}, checkedIf<&S::bbWallpaper>,
     [](AppState& a) {
         a.settings.bbWallpaper = !a.settings.bbWallpaper;
         if (a.arranger.blackboxShell() && a.settings.layer == Layer::Wallpaper) a.wallpaper.update();
     }},
    {Command::ScaleWallpaper, "Scale Wallpaper", "", {}, checkedIf<&S::bbWallpaperScale>,
     [](AppState& a) {
         a.settings.bbWallpaperScale = !a.settings.bbWallpaperScale;
         if (a.wallpaper.blackboxDraws() && a.settings.layer == Layer::Wallpaper) a.wallpaper.update();
     }},
    {Command::AdjustDesktop, "Adjust Desktop...", "", {}, nullptr,
     [](AppState& a) {
         askFor<110, &S::bbCaptionAdjust>(a);
         a.arrangeWindow();
     }},
    {Command::AdjustWindow, "Adjust Window...", "", {}, nullptr,
     [](AppState& a) {
         askFor<111, &S::bbWindowAdjust>(a);
         a.arrangeWindow();
     }},
    {Command::SaveSettingsNow, "Save Now", "", {}, nullptr,
     [](AppState& a) {
         if (!a.saveSettings()) showMessage(&a.mainWindow, "Settings not saved to " + a.settingsPath, MessageIcon::Exclamation);
     }},
    {Command::SaveSettingsOnExit, "Save on Exit", "", {}, checkedIf<&S::savesettings>, toggle<&S::savesettings>},
    {Command::MarkOnExit, "Mark on Exit", "", {}, checkedIf<&S::markexit>, toggle<&S::markexit>},
    {Command::Menu, "Menu", "F1", {key(Qt::Key_Menu), key(Qt::Key_F1)},
     [](const S&, const MenuFacts&) { return Marks{true, true}; },
     openMenu},
    {Command::MenuAtCursor, "...at cursor", "", {}, checkedIf<&S::atCursor>, toggle<&S::atCursor>},
    {Command::Help, "Help", "?", {typed('?'), key(Qt::Key_Help)}, nullptr,
     [](AppState& a) {  // what the viewer makes of it is its own affair
         if (openWithShell(a.helpPath)) return;
         a.runModal([&a] { showMessage(&a.mainWindow, "No program to open " + a.helpPath, MessageIcon::Information); });
     }},
    {Command::About, "About...", "", {}, nullptr,
     [](AppState& a) {
         a.runModal([&a] { aboutBox(a.mainWindow, dialogTemplate(101), appGlobals.release, appGlobals.webPage); });
     }},
    {Command::Exit, "E&xit", "Esc", {key(Qt::Key_Escape)}, nullptr,
     [](AppState& a) {
         Message close{Msg::Close};
         a.mainWindow.send(close);
     }},
    pinRow<Command::PinMainMenu>(),
    pinRow<Command::PinSlideshow>(),
    pinRow<Command::PinSort>(),
    pinRow<Command::PinLayer>(),
    pinRow<Command::PinLoop>(),
    pinRow<Command::PinNavigate>(),
    pinRow<Command::PinScroll>(),
    pinRow<Command::PinFolder>(),
    pinRow<Command::PinFind>(),
    pinRow<Command::PinFormats>(),
    pinRow<Command::PinFavorites>(),
    pinRow<Command::PinZoom>(),
    pinRow<Command::PinRotate>(),
    pinRow<Command::PinLayout>(),
    pinRow<Command::PinCollage>(),
    pinRow<Command::PinTransitions>(),
    pinRow<Command::PinWindow>(),
    pinRow<Command::PinFullscreen>(),
    pinRow<Command::PinWallpaper>(),
    pinRow<Command::PinShell>(),
    pinRow<Command::PinSettings>(),
    pinRow<Command::PinInfo>(),
    pinRow<Command::PinArchive>(),
    pinRow<Command::PinBlackbox>(),
};
// clang-format on

}  // namespace

std::span<const CommandRow> commandRows() { return rows; }

const CommandRow* commandRow(Command command) {
    for (const CommandRow& row : rows)
        if (row.command == command) return &row;
    return nullptr;
}

Command acceleratorCommand(int qtKey, int modifiers, char typedCharacter) {
    for (const CommandRow& row : rows)
        for (const CommandKey& k : row.keys)
            if (k.key != 0 && k.key == qtKey && k.modifiers == modifiers) return row.command;
    for (const CommandRow& row : rows)
        for (const CommandKey& k : row.keys)
            if (k.key == 0 && k.character != 0 && k.character == typedCharacter &&
                (k.modifiers & ~KeyShift) == (modifiers & ~KeyShift))
                return row.command;
    return Command::None;
}

void AppState::onCommand(Command command, int32_t modifiers) {
    if (settings.noShell && command >= Command::ViewFile && command <= Command::AdjustWindow) return;
    if (settings.noMenu && command <= Command::Help && command != Command::Menu) return;
    if (showing() && command >= Command::ViewFile && command <= Command::AdjustWindow) {
        waitingForShow_.emplace_back(command, modifiers);
        return;
    }
    const CommandRow* row = commandRow(command);
    if (!row) return;
    // A command may run another (a dialog's choice): each sees its own keys.
    const int32_t outer = std::exchange(commandModifiers_, modifiers);
    row->action(*this);
    if (appGlobals.app == this) commandModifiers_ = outer;  // unless the command ended the program
}
