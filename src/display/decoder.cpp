#include "display/decoder.h"

#include <QTimer>
#include <algorithm>
#include <mutex>
#include <thread>

struct Decoder::Job {
    Job(Work w, std::string k, bool a) : work(std::move(w)), key(std::move(k)), ahead(a) {}
    Work work;
    std::string key;
    std::atomic<bool> cancelled = false;
    DecodedPicture result;  // written by the decoding thread before it hands the job back
    // Window thread only.
    bool ahead;            // decoded ahead: delivered as such, never reported
    bool dropped = false;  // no longer wanted: its result is thrown away
    bool gaveUp = false;   // timed out
};

// The decoding threads outlive the decoder when it goes first; they hand their jobs back only
// while it is there.
struct Decoder::Link {
    std::mutex mutex;
    QObject* context = nullptr;
};

Decoder::Decoder(Delivered delivered, int timeoutMilliseconds, DeliveredAhead ahead, int threads)
    : delivered_(std::move(delivered)),
      timeout_(timeoutMilliseconds),
      deliveredAhead_(std::move(ahead)),
      context_(std::make_unique<QObject>()),
      link_(std::make_shared<Link>()),
      threads_(size_t(std::max(1, threads))) {
    link_->context = context_.get();
}

Decoder::~Decoder() {
    {
        std::lock_guard lock(link_->mutex);
        link_->context = nullptr;
    }
    for (const std::shared_ptr<Job>& job : running_) job->cancelled = true;
    if (runaway_) runaway_->cancelled = true;
}

void Decoder::decode(Work work, const std::string& key) {
    forget();
    std::erase_if(ahead_, [&key](const std::shared_ptr<Job>& job) { return !key.empty() && job->key == key; });
    if (const std::shared_ptr<Job> job = key.empty() ? nullptr : runningAhead(key)) {
        job->ahead = false;  // the picture wanted now is already being decoded
        return;
    }
    // What is decoded ahead yields a thread when none is free: the picture wanted now comes first.
    if (running_.size() >= threads_) {
        const auto yields = std::find_if(running_.rbegin(), running_.rend(),
                                         [](const std::shared_ptr<Job>& job) { return job->ahead && !job->dropped; });
        if (yields != running_.rend()) drop(*yields);
    }
    waiting_ = std::make_shared<Job>(std::move(work), key, false);
    startNext();
}

void Decoder::decodeAhead(std::vector<Ahead> pictures) {
    ahead_.clear();
    for (const std::shared_ptr<Job>& job : running_)
        if (job->ahead && std::none_of(pictures.begin(), pictures.end(),
                                       [&job](const Ahead& picture) { return picture.key == job->key; }))
            drop(job);
    for (Ahead& picture : pictures)
        if (!runningAhead(picture.key))
            ahead_.push_back(std::make_shared<Job>(std::move(picture.work), std::move(picture.key), true));
    startNext();
}

void Decoder::forget() {
    waiting_.reset();
    for (const std::shared_ptr<Job>& job : running_)
        if (!job->ahead) drop(job);
}

void Decoder::forgetAhead() {
    ahead_.clear();
    for (const std::shared_ptr<Job>& job : running_)
        if (job->ahead) drop(job);
}

bool Decoder::pending() const {
    return waiting_ || std::any_of(running_.begin(), running_.end(),
                                   [](const std::shared_ptr<Job>& job) { return !job->ahead && !job->dropped; });
}

int Decoder::threads() const { return int(running_.size()) + int(runaway_ != nullptr); }

std::shared_ptr<Decoder::Job> Decoder::runningAhead(const std::string& key) const {
    const auto found = std::find_if(running_.begin(), running_.end(), [&key](const std::shared_ptr<Job>& job) {
        return job->ahead && !job->dropped && job->key == key;
    });
    return found == running_.end() ? nullptr : *found;
}

void Decoder::drop(const std::shared_ptr<Job>& job) { job->dropped = job->cancelled = true; }

void Decoder::startNext() {
    while (running_.size() < threads_ && (waiting_ || !ahead_.empty())) {
        if (waiting_) {
            start(std::move(waiting_));
        } else {
            start(std::move(ahead_.front()));
            ahead_.pop_front();
        }
    }
}

void Decoder::start(std::shared_ptr<Job> job) {
    running_.push_back(job);
    std::thread([job, link = link_, this] {
        job->result = job->work(job->cancelled);
        std::lock_guard lock(link->mutex);
        // The decoder is alive while its context is: the call goes to this.
        if (link->context)
            QMetaObject::invokeMethod(
                link->context, [this, job] { finished(job); }, Qt::QueuedConnection);
    }).detach();
    QTimer::singleShot(timeout_, context_.get(), [this, job] { timedOut(job); });
}

void Decoder::finished(const std::shared_ptr<Job>& job) {
    if (job == runaway_) {
        runaway_.reset();
        // A job that timed out while the runaway ran takes its place and frees its thread.
        const auto gaveUp = std::find_if(running_.begin(), running_.end(),
                                         [](const std::shared_ptr<Job>& running) { return running->gaveUp; });
        if (gaveUp != running_.end()) {
            runaway_ = *gaveUp;
            running_.erase(gaveUp);
        }
    } else if (std::erase(running_, job)) {
        if (!job->dropped && !job->ahead) delivered_(std::move(job->result), false);
        if (!job->dropped && job->ahead && deliveredAhead_) deliveredAhead_(job->key, std::move(job->result));
    }
    startNext();
}

void Decoder::timedOut(const std::shared_ptr<Job>& job) {
    if (std::find(running_.begin(), running_.end(), job) == running_.end() || job->gaveUp) return;  // ended in time
    job->cancelled = true;
    job->gaveUp = true;
    const bool wanted = !std::exchange(job->dropped, true) && !job->ahead;
    if (!runaway_) {
        runaway_ = job;
        std::erase(running_, job);
    }
    if (wanted) delivered_(DecodedPicture{}, true);
    startNext();
}
