// The image list: scans, the peek scan's hand-over, the folder chooser and refresh.
#include "catalog/catalog.h"

#include "catalog/file_info.h"
#include "catalog/folder_scan.h"
#include "catalog/ordering.h"
#include "config/paths.h"
#include "config/text.h"
#include "platform/dialogs.h"
#include "platform/folder_watch.h"
#include "platform/system.h"
#include "platform/window_host.h"

#include <algorithm>
#include <cstdlib>

namespace {
bool listed(const ImageList& list, const std::string& path) {
    return std::any_of(list.begin(), list.end(), [&](const ImageEntry& e) { return e.path == path; });
}
}  // namespace

Catalog::Catalog(Settings& settings, WindowHost& window, Hooks hooks)
    : settings_(settings), window_(window), hooks_(std::move(hooks)) {}

Catalog::~Catalog() = default;

void Catalog::setImages(ImageList images) {
    images_ = std::move(images);
    index_ = 0;
}

bool Catalog::startScan(const std::string& folderText, bool peek, bool append, const std::vector<std::string>& roots) {
    if (!append) {
        index_ = 0;
        images_.clear();
    }
    std::vector<std::string> scanRoots = roots.empty() ? std::vector<std::string>{folderText} : roots;
    std::srand(tickCount());
    if (peek) {
        scanJob_ = std::make_unique<ScanJob>(std::move(scanRoots), settings_,
                                             [window = &window_] { window->post(Message{Msg::ScanProgress}); });
        // The first picture is chosen from an ordered list as soon as one folder has given some.
        scanJob_->waitForFirstBatch();
        onScanProgress(true);
    } else {
        scanFolders(scanRoots, settings_, images_);
    }
    if (images_.empty()) {
        hooks_.inform("No images in " + folderText);
        return false;
    }
    if (!peek) order();
    return true;
}

void Catalog::onScanProgress(bool firstBatch) {
    if (!scanJob_) return;  // a hand-over that arrives after the scan was taken in whole
    const size_t before = images_.size();
    const bool ended = scanJob_->takeBatch(images_);
    if (images_.size() != before) hooks_.countChanged();
    if (ended) {
        scanJob_.reset();
        order();
        window_.post(Message{Msg::RefreshStatus});
    } else if (images_.size() != before && (settings_.peeksort || firstBatch)) {
        order();
    }
}

void Catalog::order() { orderList(images_, index_, currentPath_, settings_.sort, settings_.sortby); }

void Catalog::removeCurrent() {
    if (index_ >= images_.size()) return;
    images_.erase(images_.begin() + index_);
    if (index_ == images_.size()) index_ = 0;
}

void Catalog::dropMarked(const std::vector<bool>& marked) {
    size_t kept = 0, newIndex = 0;
    for (size_t i = 0; i < images_.size(); ++i) {
        if (i == index_) newIndex = kept;
        if (marked[i]) continue;
        if (kept != i) images_[kept] = std::move(images_[i]);
        ++kept;
    }
    images_.resize(kept);
    index_ = newIndex < kept ? uint32_t(newIndex) : 0;
}

void Catalog::shuffle() { shuffleList(images_); }

void Catalog::renameCurrent(const std::string& path) {
    images_.erase(images_.begin() + index_);
    const auto replaced =
        std::find_if(images_.begin(), images_.end(), [&](const ImageEntry& e) { return e.path == path; });
    if (replaced != images_.end()) {
        if (size_t(replaced - images_.begin()) < index_) --index_;
        images_.erase(replaced);
    }
    images_.insert(images_.begin() + std::min<size_t>(index_, images_.size()), entryFor(path));
}

void Catalog::insertAtCurrent(const std::string& path) {
    if (listed(images_, path)) return;
    images_.insert(images_.begin() + std::min<size_t>(index_, images_.size()), entryFor(path));
}

bool Catalog::browseFolder() {
    std::string& folder = settings_.folder;
    folder = withoutTrailingSlash(std::move(folder));
    const auto [chosen, append] = chooseFolder("Set the root exhibit folder. Hold SHIFT to append.", folder);
    if (chosen.empty()) return false;
    if (startScan(chosen, settings_.peek, append)) {
        if (!append) folder = chosen;
    } else if (!equalsIgnoringCase(chosen, folder)) {
        startScan(folder, settings_.peek, false);
    }
    return true;
}

bool Catalog::rescanRoot() { return startScan(settings_.folder, false, false); }

void Catalog::refresh() {
    if (scanRunning()) return;
    rescanRoot();
    hooks_.showCurrent();
}
