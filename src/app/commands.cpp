// The command dispatcher: every menu item, accelerator and replayed command arrives here by id.
#include "app/app_state.h"

#include "platform/window_host.h"

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
    if (a.scanRunning()) return;
    a.orderImages();
    a.updateStatusBar();
}

template <int32_t key>
void sortKey(AppState& a) {
    a.settings.sortby = key;
    if (a.scanRunning() || uint32_t(a.settings.sort) > 1) return;
    a.orderImages();
    a.updateStatusBar();
}

// A setting that changes which files the list holds: toggled, then the folder scanned again.
template <bool Settings::*setting>
void toggleAndRescan(AppState& a) {
    if (a.scanRunning()) return;
    a.settings.*setting = !(a.settings.*setting);
    a.refresh();
    if (a.settings.autorefresh) a.startWatcher(true);
}

// A format: toggled even while a scan runs; the rescan then does nothing.
template <bool Settings::*format>
void toggleFormat(AppState& a) {
    a.settings.*format = !(a.settings.*format);
    a.refresh();
}

template <bool Settings::*setting>
void toggle(AppState& a) {
    a.settings.*setting = !(a.settings.*setting);
}

void browse(AppState& a) {
    if (a.scanRunning()) return;
    a.stopSlideTimer(true);
    if (a.browseFolder()) {
        a.showCurrent(true);
        if (a.settings.autorefresh) a.startWatcher(true);
    }
    a.resumeSlideTimer();
}

// The folder holding the current picture becomes the root.
void currentFolder(AppState& a) {
    if (a.images.empty() || a.scanRunning()) return;
    const std::string& path = a.images[a.currentIndex].path;
    a.settings.folder = path.substr(0, std::max<size_t>(path.rfind('/'), 1));
    a.refresh();
    if (a.settings.autorefresh) a.startWatcher(true);
}

using S = Settings;

const Command commands[] = {
    {1001, [](AppState& a) {  // Slideshow
         a.settings.slide = !a.settings.slide;
         a.restartSlideTimer();
     }},
    {1011, sortDirection<0>},  // Forward
    {1012, sortDirection<1>},  // Reverse
    {1013, sortDirection<2>},  // Random (Shuffle)
    {1014, sortKey<0>},        // Name
    {1015, sortKey<1>},        // Created
    {1016, sortKey<2>},        // Modified
    {1017, sortKey<3>},        // Accessed
    {1031, [](AppState& a) { a.settings.loop = 0; }},  // Loop
    {1032, [](AppState& a) { a.settings.loop = 1; }},  // Pause
    {1033, [](AppState& a) { a.settings.loop = 2; }},  // Exit
    {1034, toggle<&S::loopshuffle>},                   // Reshuffle
    {1041, [](AppState& a) { a.step(+1); }},           // Next
    {1042, [](AppState& a) { a.step(-1); }},           // Previous
    {1043, [](AppState& a) {                           // First
         a.currentIndex = 0;
         a.showCurrent(true);
     }},
    {1044, [](AppState& a) {  // Last
         if (a.images.empty()) return;
         a.currentIndex = uint32_t(a.images.size() - 1);
         a.showCurrent(false);
     }},
    {1045, [](AppState& a) {  // Current
         if (a.scanRunning()) a.arrangeWindow();
         else a.showCurrent(true);
     }},
    {1101, browse},            // Browse...
    {1102, currentFolder},     // Current
    {1103, [](AppState& a) { a.refresh(); }},  // Refresh
    {1111, toggleAndRescan<&S::subfolders>},   // Subfolders
    {1112, toggleAndRescan<&S::hidden>},       // Hidden Folders
    {1121, [](AppState& a) { if (!a.scanRunning()) toggle<&S::peek>(a); }},  // Peek
    {1122, toggle<&S::peeksort>},    // ...sort
    {1123, toggle<&S::peekcount>},   // ...count
    {1151, toggleFormat<&S::bmp>},
    {1152, toggleFormat<&S::emf>},
    {1153, toggleFormat<&S::gif>},
    {1154, toggleFormat<&S::ico>},
    {1155, toggleFormat<&S::jpg>},
    {1156, toggleFormat<&S::png>},
    {1157, toggleFormat<&S::tif>},
    {1203, [](AppState& a) { a.toggleFit(&S::squeeze); }},  // Squeeze
    {1204, [](AppState& a) { a.toggleFit(&S::shrink); }},   // Shrink
    {1205, [](AppState& a) { a.toggleFit(&S::stretch); }},  // Stretch
    {1211, [](AppState& a) { a.zoomBy(+1); }},              // Zoom In
    {1212, [](AppState& a) { a.zoomBy(-1); }},              // Zoom Out
    {1213, [](AppState& a) { a.zoomToggle100(); }},         // Zoom 100%
    {1215, [](AppState& a) { a.zoomLock(); }},              // Zoom Lock
    {1216, [](AppState& a) { a.setZoomQuality(0); }},       // Default
    {1217, [](AppState& a) { a.setZoomQuality(2); }},       // High
    {1218, [](AppState& a) { a.setZoomQuality(7); }},       // Best
    {1221, [](AppState& a) { a.turnPicture(1); }},          // Rotate
    {1222, [](AppState& a) { a.turnPicture(3); }},          // Rotate Left
    {1223, [](AppState& a) { a.settings.rotation = a.currentRotation; }},  // Rotate Lock
    {1224, toggle<&S::rotateaspect>},                       // Aspect Filter
    {1225, [](AppState& a) { a.turnPicture(4); }},          // Flip Horizontal
    {1231, [](AppState& a) { a.setLayout(0); }},            // Centered
    {1232, [](AppState& a) { a.setLayout(1); }},            // Top Left
    {1233, [](AppState& a) { a.setLayout(2); }},            // Top Right
    {1234, [](AppState& a) { a.setLayout(3); }},            // Bottom Left
    {1235, [](AppState& a) { a.setLayout(4); }},            // Bottom Right
    {1236, [](AppState& a) { a.setLayout(5); }},            // Roaming
    {1601, [](AppState& a) { a.saveSettings(); }},  // Save Now
    {1602, toggle<&S::savesettings>},  // Save on Exit
    {1603, toggle<&S::markexit>},      // Mark on Exit
    {1705, [](AppState& a) {                                                          // Exit
         Message close{Msg::Close};
         a.mainWindow.send(close);
     }},
};

}  // namespace

void AppState::onCommand(int command) {
    if (settings.noShell && command >= 1401 && command <= 1525) return;
    if (settings.noMenu && command <= 1703 && command != 1701) return;
    for (const Command& row : commands) {
        if (row.id != command) continue;
        row.action(*this);
        return;
    }
}
