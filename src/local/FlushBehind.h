#pragma once

#include <condition_variable>
#include <mutex>
#include <thread>

// Puts a file that is still being written on the disk, on a thread of its
// own, each time it is asked to: a file of hundreds of MiB then finds
// little left to flush when it is complete, instead of waiting for all of
// it at the end. Nobody waits for a flush but `stop`.
namespace korvant {

class FlushBehind {
public:
    // `fd` stays open until the flusher is stopped or dropped.
    explicit FlushBehind(int fd);
    // Waits for a flush in progress.
    ~FlushBehind();
    FlushBehind(const FlushBehind&) = delete;
    FlushBehind& operator=(const FlushBehind&) = delete;

    // Flushes what was written so far, once the flush in progress is over.
    // Without a thread (none could be started) nothing is done: the final
    // flush does it all.
    void ask();
    // Ends the thread once the flush in progress is over: the error (errno)
    // of the first flush that failed, else 0. A failure is reported to one
    // flush only, so the final flush cannot be trusted to see it again.
    int stop();

private:
    void run();

    int fd_;
    std::mutex mutex_;
    std::condition_variable asked_;
    bool pending_ = false;
    bool stopping_ = false;
    int error_ = 0;
    std::thread thread_;
};

}  // namespace korvant
