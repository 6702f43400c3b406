#pragma once
#include "catalog/image_entry.h"
#include "config/settings.h"

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// A folder scan on a thread of its own that hands its findings over folder by folder. Only
// the thread that started it touches the program's image list: it takes the batches, so the
// two threads share nothing but the batch box below.
class ScanJob {
public:
    // Starts scanning. handedOver runs on the scan thread after each batch and at the end;
    // it must only arrange for takeBatch to be called (a queued message, say).
    ScanJob(std::vector<std::string> roots, Settings settings, std::function<void()> handedOver);
    // Stops the scan at the next folder and waits for the thread.
    ~ScanJob();
    ScanJob(const ScanJob&) = delete;
    ScanJob& operator=(const ScanJob&) = delete;

    // Waits until the first folder with pictures has been scanned, or the scan has ended.
    void waitForFirstBatch();
    // Moves what was found since the last call to the end of list; true once the scan has ended
    // and everything has been taken.
    bool takeBatch(ImageList& list);

private:
    void run(std::vector<std::string> roots, Settings settings);

    std::mutex mutex_;
    std::condition_variable handed_;
    ImageList batch_;  // found, not yet taken
    bool ended_ = false;
    std::atomic<bool> stopping_ = false;
    std::function<void()> handedOver_;
    std::thread thread_;
};
