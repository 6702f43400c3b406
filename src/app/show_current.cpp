// Making the current entry the picture on show.
#include "app/app_globals.h"
#include "app/app_state.h"
#include "catalog/file_info.h"
#include "platform/regular_file.h"
#include "platform/window_host.h"
#include "shell/shell_link.h"

#include <algorithm>
#include <chrono>

namespace {
uint32_t stepFrom(uint32_t i, uint32_t count, bool ahead) { return ahead ? (i + 1) % count : (i == 0 ? count : i) - 1; }
}  // namespace

Decoder::Work AppState::decodeWork(const std::string& path) const {
    // Fitted into the whole screen, the largest frame a picture is shown in, and turned when
    // the rotation lock may turn it. The decoding thread gets its own copy of what it needs.
    const Picture::ShownSize shown = [screen = screenRect, zoom = settings.zoom, fit = settings.fit(),
                                      turns = settings.rotation % 180 != 0](int32_t w, int32_t h) {
        return largestFittedSize(w, h, screen.width(), screen.height(), zoom, fit, turns);
    };
    return [path, shown, upright = view.picture().upright,
            animate = view.picture().animate](const std::atomic<bool>& cancelled) {
        std::string file = path;
        if (isShortcut(file)) {
            LinkTarget target;  // stays empty, and so fails to load, when the shortcut cannot be read
            ShellLink().readShortcut(file, target, true);
            file = target.path;
        }
        FileInfo before, after;
        const bool examined = readFileInfo(file, before);
        DecodedPicture decoded = decodePicture(file, shown, upright, animate, &cancelled);
        // A picture caught while its writer is still at work (it is open for writing, or it
        // changed while it was read) is unfinished, not broken: the watcher brings it back once
        // it is done.
        decoded.unfinished = !decoded.loaded() && examined &&
                             (openForWriting(file) || !readFileInfo(file, after) || after.size != before.size ||
                              after.modified != before.modified);
        return decoded;
    };
}

std::string AppState::aheadKey(const std::string& path) {
    const Settings& s = settings;
    const std::string decodedFor =
        std::to_string(screenRect.width()) + "x" + std::to_string(screenRect.height()) + " " + std::to_string(s.zoom) +
        " " + std::to_string(s.squeeze) + std::to_string(s.shrink) + std::to_string(s.stretch) + " " +
        std::to_string(s.rotation % 180 != 0) + " " + std::to_string(view.picture().upright) +
        std::to_string(view.picture().animate) + " " + std::to_string(int32_t(s.layer));
    if (decodedFor != aheadDecodedFor) {
        aheadCache.clear();
        aheadCache.setMostBytes(2 * int64_t(screenRect.width()) * screenRect.height() * 4);
        decoder.forgetAhead();
        aheadDecodedFor = decodedFor;
    }
    // The file as it is now: one written again since it was decoded is decoded anew. The list's
    // order does not matter: a picture is found by its file.
    FileInfo file;
    readFileInfo(path, file);
    return path + "\n" + std::to_string(file.size) + " " + std::to_string(file.modified);
}

void AppState::decodeCurrent() {
    walk->path = catalog.images()[catalog.index()].path;
    // The list keeps its place by this path when a scan orders it meanwhile.
    catalog.setCurrentPath(walk->path);
    const std::string key = aheadKey(walk->path);
    if (std::optional<DecodedPicture> kept = aheadCache.take(key)) return onDecoded(std::move(*kept), false);
    decoder.decode(decodeWork(walk->path), key);
}

void AppState::decodeAhead(bool forward, bool travelling) {
    const uint32_t count = uint32_t(catalog.images().size());
    const uint32_t next = stepFrom(catalog.index(), count, forward);
    const uint32_t second = travelling ? stepFrom(next, count, forward) : stepFrom(catalog.index(), count, !forward);
    std::vector<uint32_t> entries{next};
    if (second != next) entries.push_back(second);
    std::vector<std::string> keys;
    std::vector<Decoder::Ahead> pictures;
    for (const uint32_t i : entries) {
        if (i == catalog.index()) continue;
        const std::string& path = catalog.images()[i].path;
        std::string key = aheadKey(path);
        keys.push_back(key);
        if (!aheadCache.holds(key)) pictures.push_back({std::move(key), decodeWork(path)});
    }
    // Those kept and those on their way are the two pictures held beside the one on show.
    aheadCache.keepOnly(keys);
    decoder.decodeAhead(std::move(pictures));
}

void AppState::stopShowing() {
    walk.reset();
    decoder.forget();
}

void AppState::showCurrent(bool forward) {
    stopShowing();
    if (catalog.images().empty()) {
        loadFailures.report(LoadFailure::NoFiles);
        return showEnded();
    }
    walk = ShowWalk{};
    walk->forward = forward;
    walk->count = uint32_t(catalog.images().size());
    walk->tried = 1;
    ++walkNumber;
    decodeCurrent();
}

void AppState::onDecoded(DecodedPicture picture, bool timedOut) {
    if (!walk) return;
    ShowWalk& w = *walk;
    // The list changed under the walk (a scan, the watcher): a walk that has marked or counted
    // entries begins again where the list is; one that has not takes the longer list as it is.
    const uint32_t count = uint32_t(catalog.images().size());
    if (catalog.index() >= count || catalog.images()[catalog.index()].path != w.path ||
        (count != w.count && (!w.failed.empty() || w.orienting || w.tried > 1)))
        return showCurrent(w.forward);
    w.count = count;
    if (!picture.loaded()) {
        // Entries that do not load are reported at once and dropped together at the end: dropped
        // one by one, a folder of thousands of broken files would take time squared.
        const uint64_t number = walkNumber;
        if (timedOut || !picture.unfinished) loadFailures.report(LoadFailure::NotLoaded, w.path, picture.refusedSize);
        if (!walk || walkNumber != number) return;  // the message box let another walk begin
        w.failed.resize(w.count);
        w.failed[catalog.index()] = true;
        ++w.failures;
        if (!w.orienting && w.tried == w.count) return finishShow({});
        // After a turn's worth the failed ones go, and a new walk goes on from the entry after
        // the last that failed: the marks are kept for one turn only.
        if (w.failures == failuresPerTurn) {
            catalog.dropMarked(w.failed);
            return showCurrent(w.forward);
        }
        if (w.orienting) return orientNext();
        // A failed entry gives its place to the next one, as if it were gone already.
        ++w.tried;
        catalog.setIndex(stepFrom(catalog.index(), w.count, true));
        return decodeCurrent();
    }
    const QSize own = picture.own;
    const bool rejected =
        settings.landscapeOnly ? own.width() < own.height() : settings.portraitOnly && own.height() < own.width();
    if (!rejected) return finishShow(std::move(picture));
    if (!w.orienting) {
        w.orienting = true;
        w.start = catalog.index();
        w.first = std::move(picture);
    }
    orientNext();
}

void AppState::orientNext() {
    ShowWalk& w = *walk;
    do {
        catalog.setIndex(stepFrom(catalog.index(), w.count, w.forward));
        // Nothing has the wanted shape: the entry the walk began at is the one on show.
        if (catalog.index() == w.start) return finishShow(std::move(w.first));
    } while (!w.failed.empty() && w.failed[catalog.index()]);
    decodeCurrent();
}

void AppState::finishShow(DecodedPicture picture) {
    const bool forward = walk->forward;
    const std::vector<bool> failed = std::move(walk->failed);
    walk.reset();
    if (!failed.empty()) catalog.dropMarked(failed);

    if (!picture.loaded()) {
        view.picture().release();
        showMessage(&mainWindow, "No images loaded", MessageIcon::Exclamation);
        mainWindow.invalidate();
        return showEnded();
    }
    catalog.setCurrentPath(catalog.images()[catalog.index()].path);
    view.picture().adopt(std::move(picture));
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
    // A key held down goes on the same way: the two pictures after this one are wanted next.
    decodeAhead(forward, std::any_of(held_.begin(), held_.end(), [](const Message& m) { return m.repeat; }));
    showEnded();
}

void AppState::showEnded() {
    if (firstMap_.active()) mapAtStart();
    // One that shows another picture (Recycle) has the rest wait again, in order.
    for (auto [command, modifiers] : std::exchange(waitingForShow_, {})) onCommand(command, modifiers);
    releaseHeld();
}
