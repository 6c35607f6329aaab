#include "Request.h"

#include "protocol/Bytes.h"
#include "protocol/Gbk.h"

namespace korvant::sim {

uint8_t Request::u8(int offset) const {
    return fits(offset, 1) ? bytes_[offset] : 0;
}

int32_t Request::i32(int offset) const {
    return fits(offset, 4) ? getI32(bytes_.data() + offset) : 0;
}

uint32_t Request::u32(int offset) const {
    return fits(offset, 4) ? getU32(bytes_.data() + offset) : 0;
}

double Request::f64(int offset) const {
    return fits(offset, 8) ? getF64(bytes_.data() + offset) : 0.0;
}

std::string Request::text(int offset, int width) const {
    if (!fits(offset, width) || width == 0) return {};
    return readPlainText(bytes_.data() + offset, static_cast<std::size_t>(width));
}

}  // namespace korvant::sim
