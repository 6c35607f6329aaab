#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "WireBytes.h"
#include "model/WireFields.h"

namespace korvant {
namespace {

using test::putGbk;

// One field of every kind, the double and the array off their alignment.
struct Sample {
    static constexpr int WireSize = 48;
    int32_t number = 0;
    uint8_t code = 0;
    double price = 0;
    std::array<uint32_t, 2> pair{};
    std::string name;
    std::string stamp;
};

constexpr WireFields sampleFields{
    wireField(&Sample::number, 0, 4), wireField(&Sample::code, 4, 1),
    wireField(&Sample::price, 5, 8),  wireField(&Sample::pair, 13, 8),
    wireField(&Sample::name, 21, 6),  wireField(&Sample::stamp, 27, 21, 3),
};

TEST(WireFields, EachKindIsReadAtItsOffsetAndWrittenBackTheSame) {
    std::vector<uint8_t> wire(Sample::WireSize, 0);
    putI32(wire.data(), -7);
    putU8(wire.data() + 4, '1');
    putF64(wire.data() + 5, 3.25);
    putU32(wire.data() + 13, 0xC0A80001u);
    putU32(wire.data() + 17, 9);
    putGbk(wire, 21, "期货");
    putGbk(wire, 27, "期货一部");

    const Sample s = decodeWire<Sample, sampleFields>(wire.data());
    EXPECT_EQ(s.number, -7);
    EXPECT_EQ(s.code, '1');
    EXPECT_EQ(s.price, 3.25);
    EXPECT_EQ(s.pair[0], 0xC0A80001u);
    EXPECT_EQ(s.pair[1], 9u);
    EXPECT_EQ(s.name, "期货");
    EXPECT_EQ(s.stamp, "期");  // 3 bytes shown: never half a character

    // The record is zeroed first, and a text too long is cut on a whole
    // character, the field's last byte left 0.
    Sample out = s;
    out.stamp = "期货一部";
    out.name = "期货一部";
    std::vector<uint8_t> back(Sample::WireSize, 0xEE);
    writeWire<sampleFields>(out, back.data());
    std::vector<uint8_t> expected = wire;
    std::fill(expected.begin() + 25, expected.begin() + 27, 0);
    EXPECT_EQ(back, expected);
}

TEST(WireFields, PickedFieldsAloneAreRead) {
    std::vector<uint8_t> wire(Sample::WireSize, 0);
    putI32(wire.data(), 5);
    putF64(wire.data() + 5, 1.5);
    putGbk(wire, 21, "AB");
    static constexpr auto some = sampleFields.pick<0, 4>();
    const Sample s = decodeWire<Sample, some>(wire.data());
    EXPECT_EQ(s.number, 5);
    EXPECT_EQ(s.name, "AB");
    EXPECT_EQ(s.price, 0);
}

}  // namespace
}  // namespace korvant
