#include "display/decoder.h"

#include <QTimer>
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

Decoder::Decoder(Delivered delivered, int timeoutMilliseconds, DeliveredAhead ahead)
    : delivered_(std::move(delivered)),
      timeout_(timeoutMilliseconds),
      deliveredAhead_(std::move(ahead)),
      context_(std::make_unique<QObject>()),
      link_(std::make_shared<Link>()) {
    link_->context = context_.get();
}

Decoder::~Decoder() {
    {
        std::lock_guard lock(link_->mutex);
        link_->context = nullptr;
    }
    for (const std::shared_ptr<Job>& job : {running_, runaway_})
        if (job) job->cancelled = true;
}

void Decoder::decode(Work work, const std::string& key) {
    forget();
    std::erase_if(ahead_, [&key](const std::shared_ptr<Job>& job) { return !key.empty() && job->key == key; });
    if (running_ && running_->ahead && !running_->dropped && !key.empty() && running_->key == key) {
        running_->ahead = false;  // the picture wanted now is already being decoded
        return;
    }
    // What is decoded ahead yields the thread: the picture wanted now comes first.
    if (running_ && running_->ahead) running_->dropped = running_->cancelled = true;
    waiting_ = std::make_shared<Job>(std::move(work), key, false);
    startNext();
}

void Decoder::decodeAhead(std::vector<Ahead> pictures) {
    ahead_.clear();
    const bool keepRunning = running_ && running_->ahead && !running_->dropped;
    for (Ahead& picture : pictures) {
        if (keepRunning && running_->key == picture.key) continue;
        ahead_.push_back(std::make_shared<Job>(std::move(picture.work), std::move(picture.key), true));
    }
    if (keepRunning && ahead_.size() == pictures.size()) running_->dropped = running_->cancelled = true;
    startNext();
}

void Decoder::forget() {
    waiting_.reset();
    if (running_ && !running_->ahead && !running_->dropped) running_->dropped = running_->cancelled = true;
}

void Decoder::forgetAhead() {
    ahead_.clear();
    if (running_ && running_->ahead) running_->dropped = running_->cancelled = true;
}

bool Decoder::pending() const { return waiting_ || (running_ && !running_->ahead && !running_->dropped); }

int Decoder::threads() const { return int(running_ != nullptr) + int(runaway_ != nullptr); }

void Decoder::startNext() {
    if (running_ || (!waiting_ && ahead_.empty())) return;
    if (waiting_) {
        running_ = std::move(waiting_);
    } else {
        running_ = std::move(ahead_.front());
        ahead_.pop_front();
    }
    std::thread([job = running_, link = link_, this] {
        job->result = job->work(job->cancelled);
        std::lock_guard lock(link->mutex);
        // The decoder is alive while its context is: the call goes to this.
        if (link->context)
            QMetaObject::invokeMethod(
                link->context, [this, job] { finished(job); }, Qt::QueuedConnection);
    }).detach();
    QTimer::singleShot(timeout_, context_.get(), [this, job = running_] { timedOut(job); });
}

void Decoder::finished(const std::shared_ptr<Job>& job) {
    if (job == runaway_) {
        runaway_.reset();
        // A job that timed out while the runaway ran takes its place and frees the thread.
        if (running_ && running_->gaveUp) runaway_ = std::move(running_);
    } else if (job == running_) {
        running_.reset();
        if (!job->dropped && !job->ahead) delivered_(std::move(job->result), false);
        if (!job->dropped && job->ahead && deliveredAhead_) deliveredAhead_(job->key, std::move(job->result));
    }
    startNext();
}

void Decoder::timedOut(const std::shared_ptr<Job>& job) {
    if (job != running_) return;  // ended in time
    job->cancelled = true;
    job->gaveUp = true;
    const bool wanted = !std::exchange(job->dropped, true) && !job->ahead;
    if (!runaway_) runaway_ = std::move(running_);
    if (wanted) delivered_(DecodedPicture{}, true);
    startNext();
}
