#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// How sending one request or receiving one answer went: the bytes moved, or
// why nothing was. Every step of an exchange, from the socket up to the
// operations, reports through it.
namespace korvant {

enum class ExchangeFailure {
    BuildFailed,     // the request could not be built: nothing was sent
    NotConnected,    // there is no connection (never made, or closed after a failure)
    SendFailed,      // the socket did not take the request
    ConnectionLost,  // the server closed the connection, or the socket failed
    TimedOut,        // the server sent nothing for the receive timeout
    WaitAbandoned,   // the user stopped the wait; the connection was closed
    // The bytes cannot be read as answers: a malformed length field, endless
    // late keep-alive answers, a flood of answers nobody asked for.
    Malformed,
};

class ExchangeResult {
public:
    // `length` bytes were sent, or one answer of `length` bytes was received.
    explicit ExchangeResult(std::size_t length) : length_(length) {}
    ExchangeResult(ExchangeFailure failure) : failure_(failure) {}

    bool ok() const { return !failure_; }
    explicit operator bool() const { return ok(); }
    // The bytes sent or received; 0 after a failure.
    int length() const { return static_cast<int>(length_); }
    // Why nothing was sent or received; nothing when it was.
    std::optional<ExchangeFailure> failure() const { return failure_; }
    // The answer in the buffer it was received into (empty after a failure).
    std::span<const uint8_t> answer(const std::vector<uint8_t>& buffer) const {
        return std::span<const uint8_t>(buffer).first(std::min(length_, buffer.size()));
    }

private:
    std::size_t length_ = 0;
    std::optional<ExchangeFailure> failure_;
};

}  // namespace korvant
