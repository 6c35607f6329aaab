#include "reports/export/PageWorker.h"

#include <system_error>

namespace korvant {

PageWorker::PageWorker(std::function<void(const uint8_t*, int)> take, int depth)
    : take_(std::move(take)), depth_(depth < 1 ? 1 : static_cast<std::size_t>(depth)) {
    try {
        thread_ = std::thread([this] { run(); });
    } catch (const std::system_error&) {
        // No thread to be had: every page is taken as it is handed over.
    }
}

PageWorker::~PageWorker() {
    if (!thread_.joinable()) return;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

void PageWorker::hand(const uint8_t* page, int length) {
    if (!thread_.joinable()) {
        take_(page, length);
        return;
    }
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [this] { return waiting_.size() < depth_; });
    std::vector<uint8_t> buffer;
    if (!spare_.empty()) {
        buffer.swap(spare_.back());
        spare_.pop_back();
    }
    buffer.assign(page, page + length);
    waiting_.push_back(std::move(buffer));
    lock.unlock();
    changed_.notify_all();
}

void PageWorker::finish() {
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [this] { return waiting_.empty() && !taking_; });
}

void PageWorker::run() {
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return !waiting_.empty() || stopping_; });
        if (waiting_.empty()) return;
        std::vector<uint8_t> page = std::move(waiting_.front());
        waiting_.pop_front();
        taking_ = true;
        lock.unlock();
        changed_.notify_all();
        take_(page.data(), static_cast<int>(page.size()));
        lock.lock();
        taking_ = false;
        spare_.push_back(std::move(page));
        changed_.notify_all();
    }
}

}  // namespace korvant
