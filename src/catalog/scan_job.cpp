#include "catalog/scan_job.h"

#include "catalog/folder_scan.h"

ScanJob::ScanJob(std::vector<std::string> roots, Settings settings, std::function<void()> handedOver)
    : handedOver_(std::move(handedOver)), thread_(&ScanJob::run, this, std::move(roots), std::move(settings)) {}

ScanJob::~ScanJob() {
    stopping_ = true;
    thread_.join();
}

void ScanJob::run(std::vector<std::string> roots, Settings settings) {
    ImageList found;
    scanFolders(roots, settings, found, [&] {
        if (!found.empty()) {
            {
                const std::lock_guard lock(mutex_);
                std::move(found.begin(), found.end(), std::back_inserter(batch_));
            }
            found.clear();
            handed_.notify_all();
            handedOver_();
        }
        return !stopping_;
    });
    {
        const std::lock_guard lock(mutex_);
        ended_ = true;
    }
    handed_.notify_all();
    handedOver_();
}

void ScanJob::waitForFirstBatch() {
    std::unique_lock lock(mutex_);
    handed_.wait(lock, [this] { return ended_ || !batch_.empty(); });
}

bool ScanJob::takeBatch(ImageList& list) {
    const std::lock_guard lock(mutex_);
    std::move(batch_.begin(), batch_.end(), std::back_inserter(list));
    batch_.clear();
    return ended_;
}
