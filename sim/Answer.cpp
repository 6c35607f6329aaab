#include "Answer.h"

#include <cstring>
#include <string>

#include "protocol/Gbk.h"

namespace korvant::sim {
namespace {

// Header, `fixed` bytes of fields, then the GBK text and its NUL; the text
// is cut so that the packet stays well inside one client buffer.
Answer withText(uint8_t command, int fixed, std::string_view text) {
    std::string gbk = toGbk(text);
    gbk.resize(gbkCutLength(gbk, 1000));
    Answer out(static_cast<std::size_t>(fixed) + gbk.size() + 1, 0);
    putU16(out.data(), static_cast<uint16_t>(out.size()));
    out[3] = command;
    std::memcpy(out.data() + fixed, gbk.data(), gbk.size());
    return out;
}

}  // namespace

Answer resultAnswer(uint8_t status, std::string_view text) {
    Answer out = withText(0, 5, text);
    out[4] = status;
    return out;
}

Answer statusAnswer(uint8_t command, int32_t status, std::string_view text) {
    Answer out = withText(command, 8, text);
    putI32(out.data() + 4, status);
    return out;
}

Answer valueAnswer(uint8_t command, int32_t value) {
    Answer out = fixedAnswer(command, 8);
    putI32(out.data() + 4, value);
    return out;
}

Answer fixedAnswer(uint8_t command, int size) {
    Answer out(static_cast<std::size_t>(size), 0);
    putU16(out.data(), static_cast<uint16_t>(size));
    out[3] = command;
    return out;
}

}  // namespace korvant::sim
