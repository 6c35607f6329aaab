#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

// Takes the pages of a read on a thread of its own, in the order they came,
// so that the read goes back to the connection for the next answer while a
// page is decoded and written. At most `depth` pages wait besides the one
// being taken; handing over another waits for room, so the pages in memory
// stay bounded. The buffers are used again from page to page.
namespace korvant {

class PageWorker {
public:
    // `take` runs on the worker for every page, one at a time.
    PageWorker(std::function<void(const uint8_t* page, int length)> take, int depth);
    // Takes the pages still waiting, then ends the thread.
    ~PageWorker();
    PageWorker(const PageWorker&) = delete;
    PageWorker& operator=(const PageWorker&) = delete;

    // A copy of the page goes to the worker. Without a thread (none could
    // be started) the page is taken here.
    void hand(const uint8_t* page, int length);
    // Waits until every page handed over was taken; afterwards whatever
    // `take` touches is the caller's again.
    void finish();

private:
    void run();

    std::function<void(const uint8_t*, int)> take_;
    std::size_t depth_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::vector<uint8_t>> waiting_;
    std::vector<std::vector<uint8_t>> spare_;
    bool taking_ = false;
    bool stopping_ = false;
    std::thread thread_;
};

}  // namespace korvant
