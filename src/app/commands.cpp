// The command dispatcher: every menu item, accelerator and replayed command arrives here by id.
#include "app/app_globals.h"
#include "app/app_state.h"
#include "config/paths.h"
#include "platform/clipboard.h"
#include "platform/dialogs.h"
#include "platform/launch.h"
#include "platform/screen.h"
#include "platform/window_host.h"
#include "resources/dialog_templates.h"

#include <algorithm>

namespace {

struct Command {
    int id;
    void (*action)(AppState&);
};

// Sort: the setting changes at once; the list is re-ordered unless a scan runs (which orders
// with the new setting itself).
template <int32_t direction>
void sortDirection(AppState& a) {
    a.settings.sort = direction;
    if (a.catalog.scanRunning()) return;
    a.catalog.order();
    a.updateStatusBar();
}

template <int32_t key>
void sortKey(AppState& a) {
    a.settings.sortby = key;
    if (a.catalog.scanRunning() || uint32_t(a.settings.sort) > 1) return;
    a.catalog.order();
    a.updateStatusBar();
}

// A setting that changes which files the list holds: toggled, then the folder scanned again.
template <bool Settings::*setting>
void toggleAndRescan(AppState& a) {
    if (a.catalog.scanRunning()) return;
    a.settings.*setting = !(a.settings.*setting);
    a.catalog.refresh();
    if (a.settings.autorefresh) a.catalog.startWatcher(a.wallpaperPath);
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
    a.settings.*setting = a.picture.*reading = !(a.settings.*setting);
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
        if (a.settings.autorefresh) a.catalog.startWatcher(a.wallpaperPath);
    });
}

// The folder holding the current picture becomes the root.
void currentFolder(AppState& a) {
    if (a.catalog.images().empty() || a.catalog.scanRunning()) return;
    a.settings.folder = folderOf(a.catalog.images()[a.catalog.index()].path);
    a.catalog.refresh();
    if (a.settings.autorefresh) a.catalog.startWatcher(a.wallpaperPath);
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

// After a change in the folder: go to the newest file by creation (1) or modification (2) time.
template <int32_t which>
void autofind(AppState& a) {
    if (a.settings.autofindlast == which) {
        a.settings.autofindlast = 0;
        return;
    }
    a.settings.autofindlast = which;
    if (a.settings.autorefresh) a.catalog.onFolderChanged();
}

// A shortcut or a copy of the current file to the favorites folder or to the desktop.
template <void (AppState::*send)(const std::string&), bool desktop>
void fileAway(AppState& a) {
    if (a.catalog.images().empty() || a.isPastedPicture()) return;
    a.runModal([&a] { (a.*send)(desktop ? a.desktopPath : a.favoritesFolder()); });
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
    a.setWallpaperStyle(style);
    a.blackboxWallpaperStyle = style;
    a.updateWallpaper();
}

template <int n>
void savePreset(AppState& a) {
    a.savePreset(n);
}

template <int n>
void restorePreset(AppState& a) {
    a.restorePreset(n);
}

// Fullscreen and wallpaper need a picture to show.
template <int32_t layer>
void layerWithPictures(AppState& a) {
    if (!a.catalog.images().empty()) a.setLayer(layer);
}

template <int32_t anchor>
void fullscreenAnchor(AppState& a) {
    a.settings.fullscreenlayout = anchor;
    if (a.settings.layer != 1) return;
    a.settings.layout = anchor;
    a.arrangeWindow();
}

using S = Settings;

const Command commands[] = {
    {1001, [](AppState& a) {  // Slideshow
         a.settings.slide = !a.settings.slide;
         a.slideshow.restart();
     }},
    {1002, [](AppState& a) {  // Timer...
         a.runModal([&a] {
             a.askSetting(103, a.settings.timer);
             a.slideshow.restart();
         });
     }},
    {1011, sortDirection<0>},  // Forward
    {1012, sortDirection<1>},  // Reverse
    {1013, sortDirection<2>},  // Random (Shuffle)
    {1014, sortKey<0>},        // Name
    {1015, sortKey<1>},        // Created
    {1016, sortKey<2>},        // Modified
    {1017, sortKey<3>},        // Accessed
    {1021, [](AppState& a) { a.setLayer(0); }},  // Normal
    {1022, layerWithPictures<1>},                // Fullscreen
    {1023, layerWithPictures<1>},                // Layer Fullscreen
    {1024, layerWithPictures<2>},                // Wallpaper
    {1025, layerWithPictures<2>},                // Layer Wallpaper
    {1026, [](AppState& a) {                     // Stay On Top
         a.settings.ontop = !a.settings.ontop;
         a.mainWindow.setStayOnTop(a.settings.ontop);
     }},
    {1027, [](AppState& a) {  // Blend
         a.settings.blend = !a.settings.blend;
         a.applyBlend();
     }},
    {1028, [](AppState& a) {  // Opacity...
         askFor<107, &S::opacity>(a);
         a.settings.opacity = std::min<uint32_t>(uint32_t(a.settings.opacity), 255);
         a.applyBlend();  // seen only while blending
     }},
    {1031, [](AppState& a) { a.settings.loop = 0; }},  // Loop
    {1032, [](AppState& a) { a.settings.loop = 1; }},  // Pause
    {1033, [](AppState& a) { a.settings.loop = 2; }},  // Exit
    {1034, toggle<&S::loopshuffle>},                   // Reshuffle
    {1041, [](AppState& a) { a.step(+1); }},           // Next
    {1042, [](AppState& a) { a.step(-1); }},           // Previous
    {1043, [](AppState& a) {                           // First
         a.catalog.setIndex(0);
         a.showCurrent(true);
     }},
    {1044, [](AppState& a) {  // Last
         if (a.catalog.images().empty()) return;
         a.catalog.setIndex(uint32_t(a.catalog.images().size() - 1));
         a.showCurrent(false);
     }},
    {1045, [](AppState& a) {  // Current
         if (a.settings.collage) a.resetCollage();
         if (a.catalog.scanRunning()) a.arrangeWindow();
         else a.showCurrent(true);
     }},
    {1051, [](AppState& a) { a.scrollBy(-1, 0); }},  // Left
    {1052, [](AppState& a) { a.scrollBy(1, 0); }},   // Right
    {1053, [](AppState& a) { a.scrollBy(0, -1); }},  // Up
    {1054, [](AppState& a) { a.scrollBy(0, 1); }},   // Down
    {1055, toggle<&S::autoscroll>},                  // Autoscroll
    {1101, browse},            // Browse...
    {1102, currentFolder},     // Current
    {1103, [](AppState& a) { a.catalog.refresh(); }},  // Refresh
    {1111, toggleAndRescan<&S::subfolders>},   // Subfolders
    {1112, toggleAndRescan<&S::hidden>},       // Hidden Folders
    {1121, [](AppState& a) { if (!a.catalog.scanRunning()) toggle<&S::peek>(a); }},  // Peek
    {1122, toggle<&S::peeksort>},    // ...sort
    {1123, toggle<&S::peekcount>},   // ...count
    {1124, [](AppState& a) {  // Auto Refresh: on, it refreshes at once
         a.settings.autorefresh = !a.settings.autorefresh;
         if (!a.settings.autorefresh) return a.catalog.stopWatcher();
         a.catalog.startWatcher(a.wallpaperPath);
         a.catalog.onFolderChanged();
     }},
    {1125, autofind<1>},  // ...to last created
    {1126, autofind<2>},  // ...to last modified
    {1131, [](AppState& a) {  // Find/Filter...
         if (a.catalog.scanRunning()) return;
         a.runModal([&a] {
             if (a.catalog.findOrFilter()) a.showCurrent(true);
         });
     }},
    {1132, [](AppState& a) {  // Find Next
         if (a.catalog.scanRunning()) return;
         a.runModal([&a] {
             if (a.catalog.findNext(true)) a.showCurrent(true);
         });
     }},
    {1133, orientationFilter<&S::landscapeOnly, &S::portraitOnly>},  // Landscape
    {1134, orientationFilter<&S::portraitOnly, &S::landscapeOnly>},  // Portrait
    {1141, [](AppState& a) {  // Bookmark
         if (!a.catalog.scanRunning()) a.settings.bookmark = int32_t(a.catalog.index());
     }},
    {1142, [](AppState& a) {  // Go To Mark
         if (uint32_t(a.settings.bookmark) >= a.catalog.images().size()) return;
         a.catalog.setIndex(uint32_t(a.settings.bookmark));
         a.showCurrent(true);
     }},
    {1143, [](AppState& a) { a.goTo(); }},  // Go To...
    {1151, toggleFormat<&S::bmp>},
    {1152, toggleFormat<&S::emf>},
    {1153, toggleFormat<&S::gif>},
    {1154, toggleFormat<&S::ico>},
    {1155, toggleFormat<&S::jpg>},
    {1156, toggleFormat<&S::png>},
    {1157, toggleFormat<&S::tif>},
    {1171, toggleFormat<&S::webp>},
    {1172, toggleFormat<&S::avif>},
    {1173, toggleFormat<&S::heif>},
    {1174, toggleFormat<&S::jxl>},
    {1175, toggleFormat<&S::svg>},
    {1161, fileAway<&AppState::sendShortcut, false>},  // Send Shortcut
    {1162, fileAway<&AppState::sendShortcut, true>},   // Send To Desktop
    {1163, fileAway<&AppState::sendCopy, false>},      // Send Copy
    {1164, fileAway<&AppState::sendCopy, true>},       // Copy To Desktop
    {1165, [](AppState& a) { a.viewFolder(a.settings.favorites); }},  // View Favorites
    {1166, [](AppState& a) { a.viewFolder(a.desktopPath); }},         // View Desktop
    {1167, [](AppState& a) { a.viewTarget(); }},                      // View Target
    {1168, [](AppState& a) { a.runModal([&a] { a.chooseFilingFolder(false); }); }},  // Folder...
    {1201, [](AppState& a) { a.toggleWrap(); }},  // Wrap
    {1202, [](AppState& a) { a.toggleCrop(); }},  // Crop
    {1203, [](AppState& a) { a.toggleFit(&S::squeeze); }},  // Squeeze
    {1204, [](AppState& a) { a.toggleFit(&S::shrink); }},   // Shrink
    {1205, [](AppState& a) { a.toggleFit(&S::stretch); }},  // Stretch
    {1211, [](AppState& a) { a.zoomBy(+1); }},              // Zoom In
    {1212, [](AppState& a) { a.zoomBy(-1); }},              // Zoom Out
    {1213, [](AppState& a) { a.zoomToggle100(); }},         // Zoom 100%
    {1214, askFor<106, &S::zoomstep>},                      // Zoom Step...
    {1215, [](AppState& a) { a.zoomLock(); }},              // Zoom Lock
    {1216, [](AppState& a) { a.setZoomQuality(0); }},       // Default
    {1217, [](AppState& a) { a.setZoomQuality(2); }},       // High
    {1218, [](AppState& a) { a.setZoomQuality(7); }},       // Best
    {1219, toggleReading<&S::animate, &Picture::animate>},  // Animate
    {1221, [](AppState& a) { a.turnPicture(1); }},          // Rotate
    {1222, [](AppState& a) { a.turnPicture(3); }},          // Rotate Left
    {1223, [](AppState& a) { a.settings.rotation = a.currentRotation; }},  // Rotate Lock
    {1224, toggle<&S::rotateaspect>},                       // Aspect Filter
    {1225, [](AppState& a) { a.turnPicture(4); }},          // Flip Horizontal
    {1226, toggleReading<&S::autorotate, &Picture::upright>},  // Auto Rotate
    {1231, [](AppState& a) { a.setLayout(0); }},            // Centered
    {1232, [](AppState& a) { a.setLayout(1); }},            // Top Left
    {1233, [](AppState& a) { a.setLayout(2); }},            // Top Right
    {1234, [](AppState& a) { a.setLayout(3); }},            // Bottom Left
    {1235, [](AppState& a) { a.setLayout(4); }},            // Bottom Right
    {1236, [](AppState& a) { a.setLayout(5); }},            // Roaming
    {1241, [](AppState& a) {  // Collage
         Settings& s = a.settings;
         s.collage = !s.collage;
         if (s.collage) {
             if (s.crop) a.mainWindow.setMask(nullptr);
             a.resetCollage();
         }
         a.arrangeWindow();
     }},
    {1242, askFor<105, &S::collagesize>},  // Collage Size...
    {1250, toggle<&S::transitions>},       // Transitions
    {1266, [](AppState& a) { a.settings.enabledTransitions = allTransitions(); }},  // All
    {1267, [](AppState& a) { a.settings.enabledTransitions.clear(); }},             // None
    {1268, toggle<&S::overlap>},                                                    // Overlap
    {1301, [](AppState& a) {  // Name in Caption
         a.settings.title = !a.settings.title;
         a.updateCaption();
     }},
    {1302, [](AppState& a) {  // Full Path
         a.settings.fullname = !a.settings.fullname;
         if (a.settings.title) a.updateCaption();
     }},
    {1311, [](AppState& a) {  // Status Bar
         Settings& s = a.settings;
         s.statusbar = !s.statusbar;
         if (s.statusbar && !s.crop && s.layer != 1) a.createStatusBar();
         else a.destroyStatusBar();
         if (s.layer != 1 && s.layer != 2) a.arrangeWindow();
     }},
    {1312, [](AppState& a) {  // Tray Icon
         Settings& s = a.settings;
         if (s.layer == 2) return;
         s.trayicon = !s.trayicon;
         a.mainWindow.hide();
         a.showTrayIcon(s.trayicon);
         a.mainWindow.setTaskbarEntry(!s.trayicon);
         a.mainWindow.show();
     }},
    {1313, [](AppState& a) {  // Decorate
         if (a.settings.layer == 2) return;
         a.settings.decorate = !a.settings.decorate;
         a.mainWindow.hide();
         a.mainWindow.setWindowButtons(a.settings.decorate);
         a.mainWindow.show();
     }},
    {1314, [](AppState& a) {  // White Background
         a.settings.whitebg = !a.settings.whitebg;
         if (a.settings.collage) a.resetCollage();
         a.arrangeWindow();
     }},
    {1321, [](AppState& a) {  // Auto Center
         Settings& s = a.settings;
         s.autocenter = !s.autocenter;
         if (s.autocenter) s.roamwindow = false;
         if (s.wrap && s.autocenter) a.centerWindow();
     }},
    {1322, [](AppState& a) {  // Roam
         Settings& s = a.settings;
         s.roamwindow = !s.roamwindow;
         if (s.roamwindow) s.autocenter = false;
         if (s.wrap && s.roamwindow) a.roamWindow();
     }},
    {1323, [](AppState& a) {  // Corral
         a.settings.corral = !a.settings.corral;
         if (a.settings.corral) a.arrangeWindow();
     }},
    {1324, toggle<&S::draggable>},       // Draggable
    {1325, [](AppState& a) {             // Center
         if (a.settings.layer == 1) a.setLayer(0);
         else a.centerWindow();
     }},
    {1331, savePreset<1>},
    {1332, savePreset<2>},
    {1333, savePreset<3>},
    {1334, savePreset<4>},
    {1335, savePreset<5>},
    {1341, restorePreset<1>},
    {1342, restorePreset<2>},
    {1343, restorePreset<3>},
    {1344, restorePreset<4>},
    {1345, restorePreset<5>},
    {1351, [](AppState& a) { a.hotKeyCommand(); }},  // Show/Hide Hotkey...
    {1352, toggle<&S::singleinstance>},  // Single Instance
    {1353, [](AppState& a) { a.showHideKey.closeOtherInstances(); }},  // ...now
    {1361, [](AppState& a) {  // Fullscreen caption
         a.settings.fullscreenname = !a.settings.fullscreenname;
         if (a.settings.layer != 1) return;
         if (a.settings.collage) {  // a new paint would add a tile
             a.showCollage();
             return;
         }
         if (!a.zoomLocked) a.currentZoom = a.settings.zoom;
         a.arrangeWindow();
     }},
    {1362, [](AppState& a) {  // Fullscreen cursor: the display count follows the setting
         a.settings.fullscreencursor = !a.settings.fullscreencursor;
         if (a.settings.layer == 1) a.mainWindow.showCursor(a.settings.fullscreencursor);
     }},
    {1363, fullscreenAnchor<0>},         // Centered Image
    {1364, fullscreenAnchor<5>},         // Roaming Image
    {1371, wallpaperStyle<1>},                          // Center
    {1372, wallpaperStyle<2>},                          // Tile
    {1373, wallpaperStyle<3>},                          // Stretch
    {1374, [](AppState& a) { a.clearWallpaper(); }},    // Clear
    {1375, [](AppState& a) { a.restoreWallpaper(); }},  // Restore
    {1401, [](AppState& a) { a.viewFile(); }},         // View
    {1402, [](AppState& a) { a.exploreFolder(); }},    // Explore
    {1403, [](AppState& a) { a.openWith(); }},         // Open With...
    {1411, [](AppState& a) { a.copyOrMoveFile(false); }},  // Copy File...
    {1412, [](AppState& a) { a.copyOrMoveFile(true); }},   // Move/Rename...
    {1413, [](AppState& a) { a.saveViewAs(); }},           // Save As...
    {1414, [](AppState& a) { setClipboardImage(a.shownPicture()); }},      // Copy Image
    {1415, [](AppState& a) { a.copyView(); }},                             // Copy View
    {1416, [](AppState& a) { a.paste(); }},                                // Paste
    {1421, [](AppState& a) { a.recycleCurrent(); }},                       // Recycle
    {1422, toggle<&S::confirmdelete>},   // Confirm
    {1501, [](AppState& a) { a.archiveCurrent(); }},                                // Archive
    {1502, [](AppState& a) { a.viewFolder(a.settings.archive); }},                  // View Archive
    {1503, [](AppState& a) { a.runModal([&a] { a.chooseFilingFolder(true); }); }},  // Archive Folder...
    {1504, toggle<&S::archivelog>},      // Archive Log
    {1505, toggle<&S::archiving>},       // Enable
    {1513, [](AppState& a) { a.programPathDialog(true); }},   // View With...
    {1514, [](AppState& a) { a.programPathDialog(false); }},  // Explore With...
    {1521, [](AppState& a) {  // Blackbox Shell
         a.blackboxShell = !a.blackboxShell;
         a.arrangeWindow();
     }},
    {1522, [](AppState& a) {  // Smart Wallpaper
         a.settings.bbWallpaper = !a.settings.bbWallpaper;
         if (a.blackboxShell && a.settings.layer == 2) a.updateWallpaper();
     }},
    {1523, [](AppState& a) {  // Scale Wallpaper
         a.settings.bbWallpaperScale = !a.settings.bbWallpaperScale;
         if (a.blackboxDrawsWallpaper() && a.settings.layer == 2) a.updateWallpaper();
     }},
    {1524, [](AppState& a) {             // Adjust Desktop...
         askFor<110, &S::bbCaptionAdjust>(a);
         a.arrangeWindow();
     }},
    {1525, [](AppState& a) {  // Adjust Window...
         askFor<111, &S::bbWindowAdjust>(a);
         a.arrangeWindow();
     }},
    {1601, [](AppState& a) {  // Save Now
         if (!a.saveSettings()) appGlobals.showMessage("Settings not saved to " + a.settingsPath, MessageIcon::Exclamation);
     }},
    {1602, toggle<&S::savesettings>},  // Save on Exit
    {1603, toggle<&S::markexit>},      // Mark on Exit
    {1701, openMenu},                  // Menu
    {1702, toggle<&S::atCursor>},      // ...at cursor
    {1703, [](AppState& a) {  // Help: what the viewer makes of it is its own affair
         if (openWithShell(a.helpPath)) return;
         a.runModal([&a] { appGlobals.showMessage("No program to open " + a.helpPath, MessageIcon::Information); });
     }},
    {1704, [](AppState& a) {                                 // About...
         a.runModal([&a] { aboutBox(a.mainWindow, dialogTemplate(101), appGlobals.release, appGlobals.webPage); });
     }},
    {1705, [](AppState& a) {                                                          // Exit
         Message close{Msg::Close};
         a.mainWindow.send(close);
     }},
};

}  // namespace

void AppState::onCommand(int command) {
    if (settings.noShell && command >= 1401 && command <= 1525) return;
    if (settings.noMenu && command <= 1703 && command != 1701) return;
    if (isPinCommand(command)) pins.pin(command);
    for (const Command& row : commands)
        if (row.id == command) row.action(*this);
    // The fifteen effects: each item adds its effect at the end of the list or takes it out.
    if (command >= 1251 && command < 1251 + transitionCount) {
        std::vector<int32_t>& enabled = settings.enabledTransitions;
        const auto found = std::find(enabled.begin(), enabled.end(), command - 1251);
        if (found != enabled.end()) enabled.erase(found);
        else enabled.push_back(command - 1251);
    }
}
