#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "protocol/ExchangeResult.h"
#include "protocol/ServerWait.h"

// The one TCP connection to the management server. Strictly request and
// answer: `send` one request, then `receive` blocks until one whole answer
// packet has arrived.
namespace korvant {

class ServerConnection {
public:
    ServerConnection();
    ~ServerConnection();
    ServerConnection(const ServerConnection&) = delete;
    ServerConnection& operator=(const ServerConnection&) = delete;

    // Connects to host:port; gives up after `timeoutMs`. Returns 1 or 0, and
    // `connected()` takes the same value.
    int connect(const std::string& host, int port, int timeoutMs = 10000);
    void close();
    bool connected() const { return connected_; }
    void setConnected(bool value) { connected_ = value; }

    // Sends all bytes: the count sent, or NotConnected (also for no data) or
    // SendFailed. Answers that arrived unasked (a server may answer a
    // keep-alive) are drained and dropped first; more than
    // `MaxUnaskedBytes` of them make the connection count as broken (closed,
    // Malformed).
    ExchangeResult send(const uint8_t* data, int length);
    static constexpr std::size_t MaxUnaskedBytes = 1 << 20;

    // Receives exactly one answer packet into `buffer`, which grows to the
    // packet length + 128 when it is too small. Late keep-alive answers
    // (command 1) are skipped. Returns the packet length, or why there is
    // none: NotConnected, ConnectionLost (the peer closed, the socket
    // failed), Malformed (a length field below 4, endless keep-alive
    // answers), TimedOut (a server that sends nothing for the receive
    // timeout: stalled in the middle of an answer, or announcing more than
    // follows) or WaitAbandoned; the connection is then closed.
    ExchangeResult receive(std::vector<uint8_t>& buffer);

    // How long `receive` waits for the next bytes of an answer (30 s unless
    // set); 0 or less waits for ever.
    void setReceiveTimeout(int milliseconds) { receiveTimeoutMs_ = milliseconds; }
    int receiveTimeout() const { return receiveTimeoutMs_; }
    static constexpr int DefaultReceiveTimeoutMs = 30000;

    // While the connection waits (connecting, or for the bytes of an
    // answer), it waits in slices of `WaitSliceMs` and calls the hook between
    // them, so that a front end keeps turning its event loop. An answer that
    // arrives ends the slice at once. A hook that returns false abandons the
    // wait: the connect fails, or the receive fails and the connection is
    // closed, since an answer may still be on its way (`abandoned()`). The
    // hook must not use the connection. Without a hook the wait is one
    // block.
    void setWaitHook(WaitHook hook) { waitHook_ = std::move(hook); }
    static constexpr int WaitSliceMs = 15;
    // The shortest slice: an answer that comes within it needs no turn.
    static constexpr int MinSliceMs = 5;
    // The last wait was abandoned by the hook (until the next connect).
    bool abandoned() const { return abandoned_; }
    // A wait is in progress (the hook is being called).
    bool waiting() const { return waitDepth_ > 0; }

    const std::string& lastError() const { return lastError_; }
    // Packets sent whole since the object was made (all connections).
    int64_t packetsSent() const { return packetsSent_; }

private:
    bool drainUnasked();
    void fail(const std::string& why);
    // Reads what has arrived, waiting up to the receive timeout for the
    // first byte; 0 with `error` set when nothing came.
    std::size_t readSome(uint8_t* into, std::size_t capacity, std::string& error);
    // How long the next slice of a wait of `timeoutMs` (0: none) may last
    // after `waited`: with a hook, no longer than until its turn is due.
    int nextSlice(int timeoutMs, int waited) const;
    // Runs the io_context until `done` holds, `timeoutMs` passed (0 or
    // less: no limit) or the hook abandons the wait. True when done.
    bool runUntil(const bool& done, int timeoutMs, bool connecting, bool& abandonedNow);
    bool callHook(const ServerWait& wait);
    // Marks the start of one wait and tells the hook its end, if it was
    // told of the wait at all.
    class WaitOver {
    public:
        WaitOver(ServerConnection& connection, bool connecting);
        ~WaitOver();
        WaitOver(const WaitOver&) = delete;
        WaitOver& operator=(const WaitOver&) = delete;

    private:
        ServerConnection& connection_;
        bool connecting_;
    };

    struct Impl;
    std::unique_ptr<Impl> impl_;
    bool connected_ = false;
    int receiveTimeoutMs_ = DefaultReceiveTimeoutMs;
    std::string lastError_;
    int64_t packetsSent_ = 0;
    WaitHook waitHook_;
    bool abandoned_ = false;
    int waitDepth_ = 0;
    // When the current wait began and whether the hook was told of it.
    std::chrono::steady_clock::time_point waitStart_;
    // When the hook last turned the front end's loop (not counting the
    // calls that end a wait).
    std::chrono::steady_clock::time_point lastTurn_;
    bool hookCalled_ = false;
};

// Sends one keep-alive; the result is ignored and nothing is received.
void sendKeepAlive(ServerConnection& connection);

}  // namespace korvant
