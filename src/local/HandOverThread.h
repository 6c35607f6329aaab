#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

// Items taken one at a time, in the order they came, by a thread of their
// own while the caller goes on. At most `depth` items wait besides the one
// being taken: handing over another waits for room, so what is held stays
// bounded. The storage of a taken item is used again for a later one.
// Without a thread (none could be started) an item is taken as it is handed
// over.
namespace korvant {

template <class Item>
class HandOverThread {
public:
    // `take` runs on the thread for every item, one at a time.
    HandOverThread(std::function<void(Item&)> take, std::size_t depth)
        : take_(std::move(take)), depth_(depth < 1 ? 1 : depth) {
        try {
            thread_ = std::thread([this] { run(); });
        } catch (const std::system_error&) {
            // No thread to be had: every item is taken where it is handed over.
        }
    }
    // Takes the items still waiting, then ends the thread.
    ~HandOverThread() {
        if (!thread_.joinable()) return;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            stopping_ = true;
        }
        changed_.notify_all();
        thread_.join();
    }
    HandOverThread(const HandOverThread&) = delete;
    HandOverThread& operator=(const HandOverThread&) = delete;

    // Waits for room, then hands over the item `fill(Item&)` fills (the
    // storage of an earlier item, or a new one).
    template <class Fill>
    void hand(Fill&& fill) {
        Item item;
        {
            std::unique_lock<std::mutex> lock(mutex_);
            changed_.wait(lock, [this] { return waiting_.size() < depth_; });
            if (!spare_.empty()) {
                item = std::move(spare_.back());
                spare_.pop_back();
            }
        }
        fill(item);
        if (!thread_.joinable()) {
            take_(item);
            spare_.push_back(std::move(item));
            return;
        }
        {
            std::lock_guard<std::mutex> lock(mutex_);
            waiting_.push_back(std::move(item));
        }
        changed_.notify_all();
    }

    // Whether items are taken on a thread of their own.
    bool threaded() const { return thread_.joinable(); }

    // Waits until every item handed over was taken; afterwards whatever
    // `take` touches is the caller's again.
    void finish() {
        std::unique_lock<std::mutex> lock(mutex_);
        changed_.wait(lock, [this] { return waiting_.empty() && !taking_; });
    }

private:
    void run() {
        std::unique_lock<std::mutex> lock(mutex_);
        for (;;) {
            changed_.wait(lock, [this] { return !waiting_.empty() || stopping_; });
            if (waiting_.empty()) return;
            Item item = std::move(waiting_.front());
            waiting_.pop_front();
            taking_ = true;
            lock.unlock();
            changed_.notify_all();
            take_(item);
            lock.lock();
            taking_ = false;
            spare_.push_back(std::move(item));
            changed_.notify_all();
        }
    }

    std::function<void(Item&)> take_;
    std::size_t depth_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Item> waiting_;
    std::vector<Item> spare_;
    bool taking_ = false;
    bool stopping_ = false;
    std::thread thread_;
};

}  // namespace korvant
