#pragma once
#include "display/picture.h"

#include <QObject>
#include <atomic>
#include <functional>
#include <memory>

// Decodes pictures on threads of its own and hands them to the thread that made it (the window
// thread) through that thread's event loop, so a slow file never holds the window. The picture
// asked for last wins: one asked for before it is dropped, and cancelled if it is being read.
//
// A decode still running after the timeout is given up: it is cancelled, delivered as timed out,
// and left to end in the background as the one runaway while the next decode starts. A second
// decode that times out while the runaway still runs is given up the same way but keeps its
// place: the next decode waits until one of the two has ended, so no more than two threads
// ever decode.
class Decoder {
public:
    // The decode itself, run on a decoding thread: it stops early, with no image, once cancelled.
    using Work = std::function<DecodedPicture(const std::atomic<bool>& cancelled)>;
    // Runs on the window thread with the picture asked for last; timedOut with an empty picture.
    using Delivered = std::function<void(DecodedPicture picture, bool timedOut)>;

    static constexpr int defaultTimeout = 10000;  // milliseconds

    explicit Decoder(Delivered delivered, int timeoutMilliseconds = defaultTimeout);
    // Cancels what runs and leaves it to end on its own: nothing waits for it.
    ~Decoder();
    Decoder(const Decoder&) = delete;
    Decoder& operator=(const Decoder&) = delete;

    // Decodes work's picture as soon as a thread is free, dropping what was asked before.
    void decode(Work work);
    // Drops what was asked: nothing is delivered until the next decode.
    void forget();
    // Whether a picture asked for has not been delivered yet.
    bool pending() const;
    // The threads still decoding, the runaway included.
    int threads() const;

private:
    struct Job;
    struct Link;
    void startNext();
    void finished(const std::shared_ptr<Job>& job);
    void timedOut(const std::shared_ptr<Job>& job);

    Delivered delivered_;
    int timeout_;
    std::unique_ptr<QObject> context_;  // receives the queued calls on the window thread
    std::shared_ptr<Link> link_;        // how a decoding thread reaches context_ while it lives
    std::shared_ptr<Job> waiting_;      // asked for, no thread free yet
    std::shared_ptr<Job> running_;      // decoding; delivered when it ends unless dropped
    std::shared_ptr<Job> runaway_;      // timed out, ending in the background
};
