#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

// Little-endian integer and double access on raw packet bytes. Callers check
// bounds before calling; these helpers only fix the byte order.
namespace korvant {

inline void putU8(uint8_t* p, uint8_t v) {
    p[0] = v;
}
inline void putU16(uint8_t* p, uint16_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
}
inline void putU32(uint8_t* p, uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}
inline void putI32(uint8_t* p, int32_t v) {
    putU32(p, static_cast<uint32_t>(v));
}
inline void putF64(uint8_t* p, double v) {
    uint64_t bits;
    std::memcpy(&bits, &v, 8);
    for (int i = 0; i < 8; ++i) p[i] = static_cast<uint8_t>(bits >> (8 * i));
}

inline uint8_t getU8(const uint8_t* p) {
    return p[0];
}
inline uint16_t getU16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | (static_cast<uint16_t>(p[1]) << 8));
}
inline uint32_t getU32(const uint8_t* p) {
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | p[i];
    return v;
}
inline int32_t getI32(const uint8_t* p) {
    return static_cast<int32_t>(getU32(p));
}
inline double getF64(const uint8_t* p) {
    uint64_t bits = 0;
    for (int i = 7; i >= 0; --i) bits = (bits << 8) | p[i];
    double v;
    std::memcpy(&v, &bits, 8);
    return v;
}

}  // namespace korvant
