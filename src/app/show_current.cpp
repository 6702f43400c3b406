// Making the current entry the picture on show.
#include "app/app_globals.h"
#include "app/app_state.h"
#include "catalog/file_info.h"
#include "platform/regular_file.h"
#include "platform/window_host.h"
#include "shell/shell_link.h"

#include <algorithm>
#include <chrono>

bool AppState::loadCurrent() {
    catalog.setCurrentPath(catalog.images()[catalog.index()].path);
    // Fitted into the whole screen, the largest frame a picture is shown in, and turned when
    // the rotation lock may turn it.
    const auto shown = [this](int32_t w, int32_t h) {
        const Settings& s = settings;
        return largestFittedSize(w, h, screenRect.width(), screenRect.height(), s.zoom, s.fit(), s.rotation % 180 != 0);
    };
    std::string path = catalog.currentPath();
    if (isShortcut(path)) {
        LinkTarget target;  // stays empty, and so fails to load, when the shortcut cannot be read
        ShellLink().readShortcut(path, target, true);
        path = target.path;
    }
    FileInfo before, after;
    const bool examined = readFileInfo(path, before);
    view.picture().load(path, shown);
    if (view.picture().isLoaded()) return true;
    // A picture caught while its writer is still at work (it is open for writing, or it changed
    // while it was read) is unfinished, not broken: the watcher brings it back once it is done.
    const bool unfinished = examined && (openForWriting(path) || !readFileInfo(path, after) ||
                                         after.size != before.size || after.modified != before.modified);
    if (!unfinished) loadFailures.report(LoadFailure::NotLoaded);
    return false;
}

void AppState::showCurrent(bool forward) {
    if (catalog.images().empty()) {
        loadFailures.report(LoadFailure::NoFiles);
        return;
    }
    // Entries that do not load are reported at once and dropped together at the end: dropped
    // one by one, a folder of thousands of broken files would take time squared.
    const uint32_t count = uint32_t(catalog.images().size());
    std::vector<bool> failed;  // sized at the first failure
    uint32_t failures = 0;
    const auto hasFailed = [&failed](uint32_t i) { return !failed.empty() && failed[i]; };
    // Loads the current entry; false, marking it, when it fails.
    const auto load = [&] {
        if (loadCurrent()) return true;
        failed.resize(count);
        failed[catalog.index()] = true;
        ++failures;
        return false;
    };
    const auto step = [count](uint32_t i, bool ahead) { return ahead ? (i + 1) % count : (i == 0 ? count : i) - 1; };
    // Many failures in a row keep the window from answering: after a turn's worth the window
    // gets its events, and showing goes on from the entry after the last that failed.
    const auto pause = [&] {
        catalog.dropMarked(failed);
        mainWindow.post(Message{Msg::ShowOn, 0, 0, forward});
    };

    // A failed entry gives its place to the next one, as if it were gone already.
    for (uint32_t tried = 1; !load() && tried < count; ++tried) {
        catalog.setIndex(step(catalog.index(), true));
        if (failures == failuresPerTurn) return pause();
    }

    const auto rejected = [this] {
        const int32_t w = view.picture().imageWidth(), h = view.picture().imageHeight();
        return settings.landscapeOnly ? w < h : settings.portraitOnly && h < w;
    };
    if (view.picture().isLoaded() && rejected()) {
        const uint32_t start = catalog.index();
        uint32_t loaded = start;
        for (;;) {
            catalog.setIndex(step(catalog.index(), forward));
            if (catalog.index() == start) {
                // Nothing has the wanted shape: the entry the walk began at is the one on show.
                if (loaded != start) load();
                break;
            }
            if (hasFailed(catalog.index())) continue;
            if (!load()) {
                if (failures == failuresPerTurn) return pause();
                continue;
            }
            loaded = catalog.index();
            if (!rejected()) break;
        }
    }
    if (!failed.empty()) catalog.dropMarked(failed);

    if (!view.picture().isLoaded()) {
        showMessage(&mainWindow, "No images loaded", MessageIcon::Exclamation);
        mainWindow.invalidate();
        return;
    }
    view.startPicture();
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(now);
    const auto nanoseconds = std::chrono::duration_cast<std::chrono::nanoseconds>(now - seconds);
    catalog.setAccessed(toFileTime(seconds.count(), uint32_t(nanoseconds.count())));
    // Its countdown starts once the picture is complete on screen; a window that does not paint
    // (hidden, minimised, the wallpaper layer) shows it at once.
    slideshow.pictureShown(!mainWindow.isVisible() || mainWindow.isMinimized() || settings.layer == Layer::Wallpaper);
    arrangeWindow();
    view.playAnimation();
}
