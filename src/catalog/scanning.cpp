// Building the image list: scans, the peek scan's hand-over, the folder chooser and refresh.
#include "app/app_globals.h"
#include "app/app_state.h"
#include "catalog/folder_scan.h"
#include "catalog/ordering.h"
#include "config/paths.h"
#include "config/text.h"
#include "platform/dialogs.h"
#include "platform/system.h"
#include "platform/window_host.h"

#include <cstdlib>

bool AppState::startScan(const std::string& folderText, bool append, const std::vector<std::string>& roots) {
    if (!append) {
        currentIndex = 0;
        images.clear();
    }
    std::vector<std::string> scanRoots = roots.empty() ? std::vector<std::string>{folderText} : roots;
    std::srand(tickCount());
    if (settings.peek) {
        scanJob = std::make_unique<ScanJob>(std::move(scanRoots), settings, [window = &mainWindow] {
            window->post(Message{Msg::ScanProgress});
        });
        // The first picture is chosen from an ordered list as soon as one folder has given some.
        scanJob->waitForFirstBatch();
        onScanProgress(true);
    } else {
        scanFolders(scanRoots, settings, images);
    }
    if (images.empty()) {
        appGlobals.showMessage("No images in " + folderText, MessageIcon::Information);
        return false;
    }
    if (!settings.peek) orderImages();
    return true;
}

void AppState::onScanProgress(bool firstBatch) {
    if (!scanJob) return;  // a hand-over that arrives after the scan was taken in whole
    const size_t before = images.size();
    const bool ended = scanJob->takeBatch(images);
    if (images.size() != before) showPeekCount();
    if (ended) {
        scanJob.reset();
        orderImages();
        mainWindow.post(Message{Msg::RefreshStatus});
    } else if (images.size() != before && (settings.peeksort || firstBatch)) {
        orderImages();
    }
}

void AppState::orderImages() { orderList(images, currentIndex, currentPath, settings.sort, settings.sortby); }

void AppState::removeCurrent() {
    if (currentIndex >= images.size()) return;
    images.erase(images.begin() + currentIndex);
    if (currentIndex == images.size()) currentIndex = 0;
}

bool AppState::browseFolder() {
    std::string& folder = settings.folder;
    folder = withoutTrailingSlash(std::move(folder));
    const std::string chosen = chooseFolder("Set the root exhibit folder. Hold SHIFT to append.", folder);
    if (chosen.empty()) return false;
    const bool append = shiftKeyHeld();
    if (startScan(chosen, append)) {
        if (!append) folder = chosen;
    } else if (!equalsIgnoringCase(chosen, folder)) {
        startScan(folder, false);
    }
    return true;
}

bool AppState::rescanRoot() {
    const bool peek = settings.peek;
    settings.peek = false;
    const bool found = startScan(settings.folder, false);
    settings.peek = peek;
    return found;
}

void AppState::refresh() {
    if (scanRunning()) return;
    rescanRoot();
    showCurrent(true);
}
