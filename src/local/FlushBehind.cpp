#include "local/FlushBehind.h"

#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace korvant {

FlushBehind::FlushBehind(int fd) : fd_(fd) {
    try {
        thread_ = std::thread([this] { run(); });
    } catch (const std::system_error&) {
        // No thread: the final flush writes everything.
    }
}

FlushBehind::~FlushBehind() {
    stop();
}

void FlushBehind::ask() {
    {
        const std::lock_guard lock(mutex_);
        pending_ = true;
    }
    asked_.notify_one();
}

int FlushBehind::stop() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    asked_.notify_one();
    if (thread_.joinable()) thread_.join();
    return error_;
}

void FlushBehind::run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        asked_.wait(lock, [this] { return pending_ || stopping_; });
        if (stopping_) return;
        pending_ = false;
        lock.unlock();
        const int failed = ::fdatasync(fd_) == 0 ? 0 : errno;
        lock.lock();
        if (error_ == 0) error_ = failed;
    }
}

}  // namespace korvant
