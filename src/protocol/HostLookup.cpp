#include "protocol/HostLookup.h"

#include <asio/io_context.hpp>
#include <asio/ip/address.hpp>

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

namespace korvant {
namespace {

// What the look-up thread hands over; shared, so that it may outlive a
// caller that gave up.
struct Shared {
    std::mutex mutex;
    std::condition_variable ready;
    bool done = false;
    asio::error_code error;
    std::vector<asio::ip::tcp::endpoint> endpoints;
};

}  // namespace

HostLookup lookUpHost(const std::string& host, int port, int timeoutMs, int sliceMs,
                      const std::function<bool()>& turn) {
    HostLookup result;
    asio::error_code numeric;
    const asio::ip::address address = asio::ip::make_address(host, numeric);
    if (!numeric) {
        result.endpoints.emplace_back(address, static_cast<unsigned short>(port));
        return result;
    }
    auto shared = std::make_shared<Shared>();
    std::thread([shared, host, port] {
        asio::io_context io;
        asio::ip::tcp::resolver resolver(io);
        asio::error_code error;
        const auto found = resolver.resolve(host, std::to_string(port), error);
        std::vector<asio::ip::tcp::endpoint> endpoints;
        if (!error)
            for (const auto& entry : found) endpoints.push_back(entry.endpoint());
        const std::lock_guard lock(shared->mutex);
        shared->error = error;
        shared->endpoints = std::move(endpoints);
        shared->done = true;
        shared->ready.notify_all();
    }).detach();

    const auto start = std::chrono::steady_clock::now();
    std::unique_lock lock(shared->mutex);
    for (;;) {
        if (shared->ready.wait_for(lock, std::chrono::milliseconds(sliceMs),
                                   [&] { return shared->done; }))
            break;
        const auto waited = std::chrono::steady_clock::now() - start;
        if (timeoutMs > 0 && waited >= std::chrono::milliseconds(timeoutMs)) {
            result.error = "connect timed out";
            return result;
        }
        lock.unlock();
        const bool goOn = turn();
        lock.lock();
        if (!goOn) {
            result.abandoned = true;
            result.error = "connect abandoned";
            return result;
        }
    }
    if (shared->error) {
        result.error = shared->error.message();
        return result;
    }
    if (shared->endpoints.empty()) result.error = "no address for " + host;
    result.endpoints = std::move(shared->endpoints);
    return result;
}

}  // namespace korvant
