#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Read access to one decoded request. Every field read is checked against
// the packet's size: a field that lies beyond it reads as zero or empty, so
// a short or hostile packet can never lead a handler past its bytes.
namespace korvant::sim {

class Request {
public:
    explicit Request(std::vector<uint8_t> bytes) : bytes_(std::move(bytes)) {}

    int size() const { return static_cast<int>(bytes_.size()); }
    uint8_t command() const { return bytes_.size() >= 4 ? bytes_[3] : 0; }
    const uint8_t* data() const { return bytes_.data(); }

    uint8_t u8(int offset) const;
    int32_t i32(int offset) const;
    uint32_t u32(int offset) const;
    double f64(int offset) const;
    // A fixed text field decoded from GBK to UTF-8.
    std::string text(int offset, int width) const;

private:
    bool fits(int offset, int width) const {
        return offset >= 0 && width >= 0 && offset + width <= size();
    }
    std::vector<uint8_t> bytes_;
};

}  // namespace korvant::sim
