#pragma once
#include "resources/command.h"

// The shape of the popup menu, "Main Menu": its rows in the order they are shown; each command
// brings its own text and shortcut. A sub-menu runs from its SubMenu row to the matching End
// row. Positions inside a menu count every row, separators included: the pins (see
// subMenuPin) and the marks on "Slideshow" (2), "Zoom" (19) and "Rotate" (20) rely on them.
enum class MenuRowKind { Command, Info, Separator, SubMenu, End };

struct MenuRow {
    MenuRowKind kind;
    Command command;       // of a Command row
    const char* text;      // of an Info or SubMenu row; "&" marks the mnemonic
    const char* shortcut;  // of an Info row, shown after a tab
};

namespace menu_rows {
constexpr MenuRow cmd(Command command) { return {MenuRowKind::Command, command, "", ""}; }
constexpr MenuRow info(const char* text, const char* shortcut) {
    return {MenuRowKind::Info, Command::None, text, shortcut};
}
constexpr MenuRow sub(const char* text) { return {MenuRowKind::SubMenu, Command::None, text, ""}; }
constexpr MenuRow sep{MenuRowKind::Separator, Command::None, "", ""};
constexpr MenuRow end{MenuRowKind::End, Command::None, "", ""};

// clang-format off
inline constexpr MenuRow menuTable[] = {
    sub("Main Menu"),
    cmd(Command::PinMainMenu), sep,
    sub("Slideshow"), cmd(Command::PinSlideshow), sep,
        cmd(Command::Slideshow), cmd(Command::Timer), end,
    sub("Sort"), cmd(Command::PinSort), sep,
        cmd(Command::SortForward), cmd(Command::SortReverse), cmd(Command::SortRandom), sep,
        cmd(Command::SortByName), cmd(Command::SortByCreated), cmd(Command::SortByModified),
        cmd(Command::SortByAccessed), end,
    sub("Layer"), cmd(Command::PinLayer), sep,
        cmd(Command::LayerNormal), cmd(Command::LayerFullscreen), cmd(Command::LayerWallpaper), sep,
        cmd(Command::StayOnTop), cmd(Command::Blend), cmd(Command::Opacity), end,
    sub("Loop"), cmd(Command::PinLoop), sep,
        cmd(Command::LoopRestart), cmd(Command::LoopPause), cmd(Command::LoopExit), sep, cmd(Command::LoopReshuffle), end,
    sub("Navigate"), cmd(Command::PinNavigate), sep,
        cmd(Command::Next), cmd(Command::Previous), cmd(Command::First),
        cmd(Command::Last), info("x5", "Shift"), info("x10", "Ctrl"), sep, cmd(Command::ShowCurrent), end,
    sub("Scroll"), cmd(Command::PinScroll), sep,
        cmd(Command::ScrollLeft), cmd(Command::ScrollRight), cmd(Command::ScrollUp),
        cmd(Command::ScrollDown), info("x2", "Shift"), info("x5", "Control"), info("Pixel", "Alt"),
        info("Mouse", "Left-click"), sep, cmd(Command::Autoscroll), end,
    sep,
    sub("Folder"), cmd(Command::PinFolder), sep,
        cmd(Command::Browse), cmd(Command::CurrentFolder), cmd(Command::Refresh), sep,
        cmd(Command::Subfolders), cmd(Command::HiddenFolders), sep,
        cmd(Command::Peek), cmd(Command::PeekSort), cmd(Command::PeekCount), sep,
        cmd(Command::AutoRefresh), cmd(Command::AutoRefreshToLastCreated), cmd(Command::AutoRefreshToLastModified), end,
    sub("Find"), cmd(Command::PinFind), sep,
        cmd(Command::FindOrFilter), cmd(Command::FindNext), sep,
        cmd(Command::LandscapeOnly), cmd(Command::PortraitOnly), sep,
        cmd(Command::Bookmark), cmd(Command::GoToMark), cmd(Command::GoTo), end,
    sub("Formats"), cmd(Command::PinFormats), sep,
        cmd(Command::FormatBmp), cmd(Command::FormatEmf), cmd(Command::FormatGif), cmd(Command::FormatIco), cmd(Command::FormatJpg), cmd(Command::FormatPng),
        cmd(Command::FormatTif), cmd(Command::FormatWebp), cmd(Command::FormatAvif), cmd(Command::FormatHeif), cmd(Command::FormatJxl),
        cmd(Command::FormatSvg), end,
    sub("F&avorites"), cmd(Command::PinFavorites), sep,
        cmd(Command::SendShortcut), cmd(Command::SendShortcutToDesktop), cmd(Command::SendCopy),
        cmd(Command::SendCopyToDesktop), sep,
        cmd(Command::ViewFavorites), cmd(Command::ViewDesktop),
        cmd(Command::ViewTarget), sep, cmd(Command::FavoritesFolder), end,
    sep,
    cmd(Command::Wrap), cmd(Command::Crop), cmd(Command::Squeeze), cmd(Command::Shrink),
    cmd(Command::Stretch),
    sub("Zoom"), cmd(Command::PinZoom), sep,
        cmd(Command::ZoomIn), cmd(Command::ZoomOut), cmd(Command::Zoom100),
        info("Zoom 1%", "Alt +/-"), cmd(Command::ZoomStep), cmd(Command::ZoomLock), sep,
        cmd(Command::QualityDefault), cmd(Command::QualityHigh), cmd(Command::QualityBest), sep, cmd(Command::Animate), end,
    sub("Rotate"), cmd(Command::PinRotate), sep,
        cmd(Command::RotateRight), cmd(Command::RotateLeft), cmd(Command::RotateLock),
        cmd(Command::AspectFilter), sep, cmd(Command::FlipHorizontal), sep,
        cmd(Command::AutoRotate), end,
    sub("Layout"), cmd(Command::PinLayout), sep,
        cmd(Command::LayoutCentered), cmd(Command::LayoutTopLeft), cmd(Command::LayoutTopRight),
        cmd(Command::LayoutBottomLeft), cmd(Command::LayoutBottomRight), cmd(Command::LayoutRoaming), end,
    sub("Colla&ge"), cmd(Command::PinCollage), sep,
        cmd(Command::Collage), cmd(Command::CollageSize), end,
    sub("Transitions"), cmd(Command::PinTransitions), sep,
        cmd(Command::Transitions), sep,
        cmd(Command::ShuttersRight), cmd(Command::ShuttersLeft), cmd(Command::ShuttersDown),
        cmd(Command::ShuttersUp), cmd(Command::WipeRightLeft), cmd(Command::WipeLeftRight),
        cmd(Command::WipeDownUp), cmd(Command::WipeUpDown), cmd(Command::HorizontalSlide),
        cmd(Command::VerticalSlide), cmd(Command::QuadrantSlide), cmd(Command::QuadrantWipe),
        cmd(Command::QuadrantPeel), cmd(Command::Dissolve), cmd(Command::Crossfade), sep,
        cmd(Command::AllTransitions), cmd(Command::NoTransitions), sep, cmd(Command::Overlap), end,
    sep,
    sub("Window"), cmd(Command::PinWindow), sep,
        cmd(Command::NameInCaption), cmd(Command::FullPath), sep,
        cmd(Command::StatusBar), cmd(Command::TrayIcon), cmd(Command::Decorate),
        cmd(Command::WhiteBackground), sep,
        cmd(Command::AutoCenter), cmd(Command::Roam), cmd(Command::Corral), cmd(Command::Draggable),
        cmd(Command::CenterWindow), sep,
        sub("Save"),
            cmd(Command::SavePreset1), cmd(Command::SavePreset2), cmd(Command::SavePreset3), cmd(Command::SavePreset4),
            cmd(Command::SavePreset5), end,
        sub("Restore"),
            cmd(Command::RestorePreset1), cmd(Command::RestorePreset2), cmd(Command::RestorePreset3), cmd(Command::RestorePreset4),
            cmd(Command::RestorePreset5), end,
        sep,
        cmd(Command::ShowHideHotkey), cmd(Command::SingleInstance), cmd(Command::SingleInstanceNow), end,
    sub("F&ullscreen"), cmd(Command::PinFullscreen), sep,
        cmd(Command::FullscreenCaption), cmd(Command::FullscreenCursor), sep,
        cmd(Command::FullscreenCentered), cmd(Command::FullscreenRoaming), sep,
        cmd(Command::FullscreenLayer), end,
    sub("Wallpaper"), cmd(Command::PinWallpaper), sep,
        cmd(Command::WallpaperCenter), cmd(Command::WallpaperTile), cmd(Command::WallpaperStretch), sep,
        cmd(Command::WallpaperClear), cmd(Command::WallpaperRestore), sep, cmd(Command::WallpaperLayer), end,
    sub("Sh&ell"), cmd(Command::PinShell), sep,
        cmd(Command::ViewFile), cmd(Command::ExploreFolder), cmd(Command::OpenWith), sep,
        cmd(Command::CopyFile), cmd(Command::MoveFile), cmd(Command::SaveAs),
        sep,
        cmd(Command::CopyImage), cmd(Command::CopyView), cmd(Command::Paste), sep,
        cmd(Command::Recycle), cmd(Command::ConfirmRecycle), sep,
        sub("Archive"), cmd(Command::PinArchive), sep,
            cmd(Command::Archive), cmd(Command::ViewArchive),
            cmd(Command::ArchiveFolder), sep, cmd(Command::ArchiveLog), cmd(Command::ArchiveEnable), end,
        sep,
        cmd(Command::ViewWith), cmd(Command::ExploreWith),
        sub("Blackbox"), cmd(Command::PinBlackbox), sep,
            cmd(Command::BlackboxShell), cmd(Command::SmartWallpaper), cmd(Command::ScaleWallpaper), sep,
            cmd(Command::AdjustDesktop), cmd(Command::AdjustWindow), end,
        end,
    sub("Settings"), cmd(Command::PinSettings), sep,
        cmd(Command::SaveSettingsNow), cmd(Command::SaveSettingsOnExit), cmd(Command::MarkOnExit), end,
    sep,
    sub("Info"), cmd(Command::PinInfo), sep,
        cmd(Command::Menu), cmd(Command::MenuAtCursor), cmd(Command::Help), cmd(Command::About), end,
    sep,
    cmd(Command::Exit),
    end,
};
// clang-format on
}  // namespace menu_rows

using menu_rows::menuTable;

// The information row id: shown, never chosen.
inline constexpr int menuInfoId = 999;
// Position of "Shell" in "Main Menu": the parent of the nested pins.
inline constexpr int shellMenuPosition = 28;
