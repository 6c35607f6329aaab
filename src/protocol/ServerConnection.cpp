#include "protocol/ServerConnection.h"

#include <poll.h>
#include <sys/socket.h>
#include <asio.hpp>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <system_error>

#include "protocol/CommandCode.h"
#include "protocol/FrameReader.h"
#include "protocol/HostLookup.h"
#include "protocol/Packet.h"

namespace korvant {
namespace {

constexpr int MaxStrayKeepAlives = 64;

int elapsedSince(std::chrono::steady_clock::time_point start) {
    return static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                std::chrono::steady_clock::now() - start)
                                .count());
}

}  // namespace

struct ServerConnection::Impl {
    asio::io_context io;
    asio::ip::tcp::socket socket{io};
    // Any length a header states: an answer longer than decodeAnswer takes
    // is still received whole, so that the stream stays in step.
    FrameReader reader{AnyPacketLength};
};

ServerConnection::ServerConnection() : impl_(std::make_unique<Impl>()) {}
ServerConnection::~ServerConnection() {
    close();
}

int ServerConnection::connect(const std::string& host, int port, int timeoutMs) {
    close();
    connected_ = false;
    abandoned_ = false;
    lastError_.clear();
    if (host.empty() || port <= 0 || port > 65535) {
        lastError_ = "bad address";
        return 0;
    }
    impl_->reader.reset();
    impl_->io.restart();
    WaitOver over(*this, true);
    const auto lookupStart = std::chrono::steady_clock::now();
    const HostLookup lookup = lookUpHost(host, port, timeoutMs, WaitSliceMs, [&] {
        return !waitHook_ || callHook({elapsedSince(waitStart_), true, false});
    });
    if (!lookup.error.empty()) {
        abandoned_ = lookup.abandoned;
        lastError_ = lookup.error;
        return 0;
    }
    // The look-up counts against the time allowed for connecting.
    if (timeoutMs > 0) timeoutMs = std::max(1, timeoutMs - elapsedSince(lookupStart));
    asio::error_code connectError;
    bool connectDone = false;
    asio::async_connect(impl_->socket, lookup.endpoints,
                        [&](const asio::error_code& ec, const asio::ip::tcp::endpoint&) {
                            connectError = ec;
                            connectDone = true;
                        });
    bool abandonedNow = false;
    const auto giveUp = [this] {
        impl_->io.stop();
        asio::error_code ignored;
        impl_->socket.close(ignored);
        impl_->io.restart();
        impl_->io.run_for(std::chrono::milliseconds(100));
        impl_->io.restart();
    };
    try {
        runUntil(connectDone, timeoutMs, true, abandonedNow);
    } catch (...) {
        giveUp();
        throw;
    }
    if (!connectDone) {
        giveUp();
        abandoned_ = abandonedNow;
        lastError_ = abandonedNow ? "connect abandoned" : "connect timed out";
        return 0;
    }
    impl_->io.restart();
    if (connectError) {
        lastError_ = connectError.message();
        asio::error_code ignored;
        impl_->socket.close(ignored);
        return 0;
    }
    asio::error_code ignored;
    impl_->socket.set_option(asio::ip::tcp::no_delay(true), ignored);
    connected_ = true;
    return 1;
}

void ServerConnection::close() {
    if (impl_ && impl_->socket.is_open()) {
        asio::error_code ignored;
        impl_->socket.shutdown(asio::ip::tcp::socket::shutdown_both, ignored);
        impl_->socket.close(ignored);
    }
    connected_ = false;
}

void ServerConnection::fail(const std::string& why) {
    lastError_ = why;
    close();
}

bool ServerConnection::drainUnasked() {
    asio::error_code ec;
    std::size_t avail = impl_->socket.available(ec);
    std::size_t drained = 0;
    std::vector<uint8_t> stray;
    while (!ec && avail > 0) {
        uint8_t chunk[4096];
        std::size_t n =
            impl_->socket.read_some(asio::buffer(chunk, std::min(avail, sizeof chunk)), ec);
        if (ec || n == 0) break;
        drained += n;
        if (drained > MaxUnaskedBytes) {
            fail("too many unasked bytes from the server");
            return false;
        }
        impl_->reader.feed(chunk, n);
        while (impl_->reader.next(stray)) {
        }
        avail = impl_->socket.available(ec);
    }
    while (impl_->reader.next(stray)) {
    }
    return true;
}

bool ServerConnection::callHook(const ServerWait& wait) {
    if (!waitHook_) return true;
    ++waitDepth_;
    struct Leave {
        int& depth;
        ~Leave() { --depth; }
    } leave{waitDepth_};
    hookCalled_ = true;
    if (!wait.over) lastTurn_ = std::chrono::steady_clock::now();
    return waitHook_(wait);
}

ServerConnection::WaitOver::WaitOver(ServerConnection& connection, bool connecting)
    : connection_(connection), connecting_(connecting) {
    connection_.waitStart_ = std::chrono::steady_clock::now();
    connection_.hookCalled_ = false;
}

ServerConnection::WaitOver::~WaitOver() {
    if (!connection_.hookCalled_) return;
    connection_.hookCalled_ = false;
    try {
        connection_.callHook({elapsedSince(connection_.waitStart_), connecting_, true});
    } catch (...) {
        // The wait is over whatever the hook makes of it.
    }
}

bool ServerConnection::runUntil(const bool& done, int timeoutMs, bool connecting,
                                bool& abandonedNow) {
    asio::io_context& io = impl_->io;
    abandonedNow = false;
    const auto start = std::chrono::steady_clock::now();
    for (;;) {
        const int waited = elapsedSince(start);
        if (timeoutMs > 0 && waited >= timeoutMs) return false;
        const int slice = nextSlice(timeoutMs, waited);
        io.restart();
        if (slice < 0)
            io.run();
        else
            io.run_for(std::chrono::milliseconds(slice));
        if (done) return true;
        if (timeoutMs > 0 && elapsedSince(start) >= timeoutMs) return false;
        if (waitHook_ && !callHook({elapsedSince(waitStart_), connecting, false})) {
            abandonedNow = true;
            return false;
        }
    }
}

int ServerConnection::nextSlice(int timeoutMs, int waited) const {
    int slice = timeoutMs > 0 ? timeoutMs - waited : -1;
    if (waitHook_) {
        // The front end turns every WaitSliceMs, also across the waits of
        // one exchange after another: a wait that starts soon after a turn
        // turns again when the slice since that turn is over.
        const int sinceTurn = elapsedSince(lastTurn_);
        const int due = std::max(MinSliceMs, WaitSliceMs - sinceTurn);
        if (slice < 0 || slice > due) slice = due;
    }
    return slice;
}

std::size_t ServerConnection::readSome(uint8_t* into, std::size_t capacity, std::string& error) {
    asio::ip::tcp::socket& socket = impl_->socket;
    if (receiveTimeoutMs_ <= 0 && !waitHook_) {
        asio::error_code ec;
        const std::size_t n = socket.read_some(asio::buffer(into, capacity), ec);
        if (ec || n == 0) error = ec ? ec.message() : "connection closed by the server";
        return ec ? 0 : n;
    }
    // What has arrived already is read at once; only an empty socket waits,
    // in slices between which the front end turns. One system call for an
    // answer that is there, a poll and a read for one that is not.
    const int fd = socket.native_handle();
    const auto start = std::chrono::steady_clock::now();
    const auto timedOut = [&] {
        return receiveTimeoutMs_ > 0 && elapsedSince(start) >= receiveTimeoutMs_;
    };
    for (;;) {
        const ssize_t n = ::recv(fd, into, capacity, MSG_DONTWAIT);
        if (n > 0) return static_cast<std::size_t>(n);
        if (n == 0) {
            error = "connection closed by the server";
            return 0;
        }
        if (errno == EINTR) continue;
        if (errno != EAGAIN && errno != EWOULDBLOCK) {
            error = std::system_category().message(errno);
            return 0;
        }
        for (;;) {
            if (timedOut()) {
                error =
                    "no answer from the server within " + std::to_string(receiveTimeoutMs_) + " ms";
                return 0;
            }
            pollfd readable{fd, POLLIN, 0};
            const int ready =
                ::poll(&readable, 1, nextSlice(receiveTimeoutMs_, elapsedSince(start)));
            if (ready > 0) break;
            if (ready < 0) {
                if (errno == EINTR) continue;
                error = std::system_category().message(errno);
                return 0;
            }
            if (timedOut()) continue;
            if (waitHook_ && !callHook({elapsedSince(waitStart_), false, false})) {
                abandoned_ = true;
                error = "the wait for the answer was abandoned";
                return 0;
            }
        }
    }
}

ExchangeResult ServerConnection::send(const uint8_t* data, int length) {
    if (!connected_ || data == nullptr || length < 0) return ExchangeFailure::NotConnected;
    if (!drainUnasked()) return ExchangeFailure::Malformed;
    asio::error_code ec;
    asio::write(impl_->socket, asio::buffer(data, static_cast<std::size_t>(length)), ec);
    if (ec) {
        lastError_ = ec.message();
        return ExchangeFailure::SendFailed;
    }
    ++packetsSent_;
    return ExchangeResult(static_cast<std::size_t>(length));
}

ExchangeResult ServerConnection::receive(std::vector<uint8_t>& buffer) {
    if (!connected_) return ExchangeFailure::NotConnected;
    FrameReader& reader = impl_->reader;
    std::vector<uint8_t> packet;
    WaitOver over(*this, false);
    // Command 1 is only ever a request: a packet carrying it is a late answer
    // to a keep-alive, never the awaited answer, and is skipped. A stream of
    // nothing else is malformed.
    int strayKeepAlives = 0;
    for (;;) {
        if (reader.next(packet)) {
            if (packet.size() >= HeaderSize && packet[3] == cmd::KeepAlive) {
                if (++strayKeepAlives > MaxStrayKeepAlives) {
                    fail("too many unasked keep-alive answers");
                    return ExchangeFailure::Malformed;
                }
                continue;
            }
            break;
        }
        if (reader.hasError()) {
            fail(reader.error());
            return ExchangeFailure::Malformed;
        }
        uint8_t chunk[8192];
        std::size_t want = std::max<std::size_t>(reader.missing(), 1);
        std::string error;
        const auto readStart = std::chrono::steady_clock::now();
        std::size_t n = readSome(chunk, std::min(want, sizeof chunk), error);
        if (n == 0) {
            fail(error);
            if (abandoned_) return ExchangeFailure::WaitAbandoned;
            // The read gives up on silence only once the timeout has passed.
            const bool silent =
                receiveTimeoutMs_ > 0 && elapsedSince(readStart) >= receiveTimeoutMs_;
            return silent ? ExchangeFailure::TimedOut : ExchangeFailure::ConnectionLost;
        }
        reader.feed(chunk, n);
    }
    if (buffer.size() < packet.size()) buffer.resize(packet.size() + 128);
    std::memcpy(buffer.data(), packet.data(), packet.size());
    return ExchangeResult(packet.size());
}

void sendKeepAlive(ServerConnection& connection) {
    uint8_t packet[HeaderSize];
    int n = writeKeepAlive(packet, sizeof packet);
    if (n > 0) connection.send(packet, n);
}

}  // namespace korvant
