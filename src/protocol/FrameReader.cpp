#include "protocol/FrameReader.h"

#include <algorithm>

#include "protocol/Bytes.h"

namespace korvant {

FrameReader::FrameReader(int maxPacketSize)
    : maxPacketSize_(std::clamp(maxPacketSize, HeaderSize, AnyPacketLength)) {}

void FrameReader::reset() {
    buffer_.clear();
    start_ = 0;
    error_.clear();
}

void FrameReader::feed(const uint8_t* data, std::size_t count) {
    if (hasError() || data == nullptr || count == 0) return;
    if (start_ > 0 && start_ == buffer_.size()) {
        buffer_.clear();
        start_ = 0;
    }
    buffer_.insert(buffer_.end(), data, data + count);
    checkHeader();
}

void FrameReader::checkHeader() {
    if (hasError() || buffered() < 2) return;
    int length = getU16(buffer_.data() + start_);
    if (length < HeaderSize)
        error_ = "packet length " + std::to_string(length) + " is below the header size";
    else if (length > maxPacketSize_)
        error_ = "packet length " + std::to_string(length) + " exceeds the limit of " +
                 std::to_string(maxPacketSize_);
}

std::size_t FrameReader::missing() const {
    if (hasError()) return 0;
    if (buffered() < HeaderSize) return HeaderSize - buffered();
    std::size_t length = getU16(buffer_.data() + start_);
    return length > buffered() ? length - buffered() : 0;
}

bool FrameReader::next(std::vector<uint8_t>& packet) {
    if (hasError() || buffered() < HeaderSize) return false;
    std::size_t length = getU16(buffer_.data() + start_);
    if (buffered() < length) return false;
    packet.assign(buffer_.begin() + static_cast<std::ptrdiff_t>(start_),
                  buffer_.begin() + static_cast<std::ptrdiff_t>(start_ + length));
    start_ += length;
    if (start_ == buffer_.size()) {
        buffer_.clear();
        start_ = 0;
    } else if (start_ > 65536) {
        buffer_.erase(buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(start_));
        start_ = 0;
    }
    checkHeader();
    return true;
}

}  // namespace korvant
