#pragma once
#include "display/picture.h"

#include <QObject>
#include <atomic>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// Decodes pictures on threads of its own and hands them to the thread that made it (the window
// thread) through that thread's event loop, so a slow file never holds the window. The picture
// asked for last wins: one asked for before it is dropped, and cancelled if it is being read.
// Pictures wanted later (decoded ahead) use the threads left free by the picture to show, and
// give one up to it when none is.
//
// A decode still running after the timeout is given up: it is cancelled, delivered as timed out
// (one decoded ahead is dropped instead), and left to end in the background as the one runaway,
// its thread free for the next decode. A decode that times out while the runaway still runs is
// given up the same way but keeps its thread until one of the two has ended.
class Decoder {
public:
    // The decode itself, run on a decoding thread: it stops early, with no image, once cancelled.
    using Work = std::function<DecodedPicture(const std::atomic<bool>& cancelled)>;
    // Runs on the window thread with the picture asked for last; timedOut with an empty picture.
    using Delivered = std::function<void(DecodedPicture picture, bool timedOut)>;
    // Runs on the window thread with a picture decoded ahead and the key it was asked for by.
    using DeliveredAhead = std::function<void(const std::string& key, DecodedPicture picture)>;

    static constexpr int defaultTimeout = 10000;  // milliseconds

    // threads: the decodes that run at once, the runaway aside.
    explicit Decoder(Delivered delivered, int timeoutMilliseconds = defaultTimeout, DeliveredAhead ahead = {},
                     int threads = 1);
    // Cancels what runs and leaves it to end on its own: nothing waits for it.
    ~Decoder();
    Decoder(const Decoder&) = delete;
    Decoder& operator=(const Decoder&) = delete;

    // Decodes work's picture as soon as a thread is free, dropping what was asked before. With
    // the key of a picture being decoded ahead, that decode is the one delivered instead.
    void decode(Work work, const std::string& key = {});
    // Decodes these pictures, in order, on the threads the picture to show leaves free, instead
    // of those asked for ahead before; those of them already being decoded go on.
    struct Ahead {
        std::string key;
        Work work;
    };
    void decodeAhead(std::vector<Ahead> pictures);
    // Drops what was asked to show: nothing is delivered until the next decode.
    void forget();
    // Drops the pictures asked for ahead.
    void forgetAhead();
    // Whether a picture asked for to show has not been delivered yet.
    bool pending() const;
    // The threads still decoding, the runaway included.
    int threads() const;

private:
    struct Job;
    struct Link;
    void startNext();
    void start(std::shared_ptr<Job> job);
    // The running job decoding ahead under key, not dropped; null when there is none.
    std::shared_ptr<Job> runningAhead(const std::string& key) const;
    void drop(const std::shared_ptr<Job>& job);
    void finished(const std::shared_ptr<Job>& job);
    void timedOut(const std::shared_ptr<Job>& job);

    Delivered delivered_;
    int timeout_;
    DeliveredAhead deliveredAhead_;
    std::unique_ptr<QObject> context_;        // receives the queued calls on the window thread
    std::shared_ptr<Link> link_;              // how a decoding thread reaches context_ while it lives
    std::shared_ptr<Job> waiting_;            // asked for to show, no thread free yet
    std::deque<std::shared_ptr<Job>> ahead_;  // asked for ahead, not started
    size_t threads_;
    std::vector<std::shared_ptr<Job>> running_;  // decoding; delivered when they end unless dropped
    std::shared_ptr<Job> runaway_;               // timed out, ending in the background
};
