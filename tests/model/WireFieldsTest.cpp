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

    static constexpr auto wireFields =
        wireLayout<WireSize>(wireField(&Sample::number, 0, 4), wireField(&Sample::code, 4, 1),
                             wireField(&Sample::price, 5, 8), wireField(&Sample::pair, 13, 8),
                             wireField(&Sample::name, 21, 6), wireField(&Sample::stamp, 27, 21, 3));
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

    const Sample s = decodeWire<Sample>(wire.data());
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
    writeWire(out, back.data());
    std::vector<uint8_t> expected = wire;
    std::fill(expected.begin() + 25, expected.begin() + 27, 0);
    EXPECT_EQ(back, expected);
}

TEST(WireFields, PickedFieldsAloneAreRead) {
    std::vector<uint8_t> wire(Sample::WireSize, 0);
    putI32(wire.data(), 5);
    putF64(wire.data() + 5, 1.5);
    putGbk(wire, 21, "AB");
    static constexpr auto some = Sample::wireFields.pick<0, 4>();
    const Sample s = decodeWire<Sample, some>(wire.data());
    EXPECT_EQ(s.number, 5);
    EXPECT_EQ(s.name, "AB");
    EXPECT_EQ(s.price, 0);
}

// A request: the header with its command and the size of the table, the
// fields of another layout of the same type, one array element alone, and
// a text that may fill its field with no NUL after it.
struct Tagged {
    enum class Kind : int32_t { A = 0, B = 7 };
    Kind kind = Kind::A;
    std::array<int32_t, 3> values{};
    std::string code;

    static constexpr auto wireFields =
        wireLayout<20>(wireField(&Tagged::kind, 4, 4), wireElement(&Tagged::values, 2, 8),
                       wireFilledText(&Tagged::code, 12, 4), wireElement(&Tagged::values, 0, 16));
};

TEST(WireFields, RequestsAreSizedByTheirTableAndElementsStandAlone) {
    Tagged t;
    t.kind = Tagged::Kind::B;
    t.values = {1, 2, 3};
    t.code = "AB期货";  // 6 GBK bytes: cut to "AB期" (4), no NUL
    const std::vector<uint8_t> packet = writeRequest(88, t);
    std::vector<uint8_t> expected(20, 0);
    putU16(expected.data(), 20);
    expected[3] = 88;
    putI32(expected.data() + 4, 7);
    putI32(expected.data() + 8, 3);
    putGbk(expected, 12, "AB期");
    putI32(expected.data() + 16, 1);
    EXPECT_EQ(packet, expected);

    Tagged back;
    readWire<Tagged::wireFields>(packet.data(), back);
    EXPECT_EQ(back.kind, Tagged::Kind::B);
    EXPECT_EQ(back.values, (std::array<int32_t, 3>{1, 0, 3}));
    EXPECT_EQ(back.code, "AB期");
}

}  // namespace
}  // namespace korvant
