#include "local/QueuedFile.h"

#include <system_error>

namespace korvant {

QueuedFile::QueuedFile(std::string path) : file_(std::move(path)) {}

QueuedFile::~QueuedFile() {
    if (!writer_.joinable()) return;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    writer_.join();
}

void QueuedFile::settle() const {
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [this] { return !busy_; });
}

void QueuedFile::run() {
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return busy_ || stopping_; });
        if (!busy_) return;
        // While busy, the file and the page are the writer's alone.
        lock.unlock();
        file_.append(pending_);
        lock.lock();
        busy_ = false;
        changed_.notify_all();
    }
}

bool QueuedFile::append(std::string& bytes) {
    settle();
    if (!file_.ok()) return false;
    size_ += static_cast<long long>(bytes.size());
    if (!writer_.joinable() && ++appends_ > InPlaceAppends) {
        try {
            writer_ = std::thread([this] { run(); });
        } catch (const std::system_error&) {
            // No thread to be had: every page is written in place.
        }
    }
    if (!writer_.joinable()) {
        const bool written = file_.append(bytes);
        bytes.clear();
        return written;
    }
    {
        std::lock_guard<std::mutex> lock(mutex_);
        pending_.swap(bytes);
        busy_ = true;
    }
    changed_.notify_all();
    bytes.clear();
    return true;
}

bool QueuedFile::commit(bool mayReplace) {
    settle();
    return file_.commit(mayReplace);
}

bool QueuedFile::ok() const {
    settle();
    return file_.ok();
}

const std::string& QueuedFile::error() const {
    settle();
    return file_.error();
}

}  // namespace korvant
