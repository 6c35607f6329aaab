#include <gtest/gtest.h>

#include <zlib.h>

#include <cstring>
#include <string>
#include <vector>

#include "protocol/Bytes.h"
#include "protocol/CommandCode.h"
#include "protocol/Gbk.h"
#include "protocol/Packet.h"

namespace korvant {
namespace {

using Buffer = std::vector<uint8_t>;

std::string fieldBytes(const Buffer& b, int offset, int width) {
    return std::string(reinterpret_cast<const char*>(b.data() + offset), width);
}

TEST(PacketWriter, WritesHeaderAndFieldsAtTheirOffsetsOverAZeroedPacket) {
    Buffer b(64, 0xCC);
    PacketWriter w(b.data(), static_cast<int>(b.size()), 40, cmd::AddSubAccount);
    w.u8(4, 0x7F).u16(5, 0xBEEF).i32(8, -2).u32(12, 0xA1B2C3D4).f64(16, 1.5).text(24, 16, "ab");
    ASSERT_EQ(w.finish(), 40);
    EXPECT_EQ(PacketHeader::read(b.data()).length, 40);
    EXPECT_EQ(b[2], FlagPlain);
    EXPECT_EQ(b[3], cmd::AddSubAccount);
    EXPECT_EQ(b[4], 0x7F);
    EXPECT_EQ(b[5], 0xEF);
    EXPECT_EQ(b[6], 0xBE);
    EXPECT_EQ(b[7], 0);  // gap between fields is zero
    EXPECT_EQ(getI32(b.data() + 8), -2);
    EXPECT_EQ((Buffer{b.begin() + 8, b.begin() + 12}), (Buffer{0xFE, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ((Buffer{b.begin() + 12, b.begin() + 16}), (Buffer{0xD4, 0xC3, 0xB2, 0xA1}));
    EXPECT_EQ(getF64(b.data() + 16), 1.5);
    EXPECT_EQ(fieldBytes(b, 24, 16), std::string("ab") + std::string(14, '\0'));
    // Bytes beyond the fixed size are left alone.
    EXPECT_EQ(b[40], 0xCC);
}

TEST(PacketWriter, CapacityBelowTheFixedSizeWritesNothing) {
    Buffer b(39, 0xCC);
    PacketWriter w(b.data(), 39, 40, cmd::AddSubAccount);
    w.i32(4, 7).text(8, 16, "abc");
    EXPECT_FALSE(w.valid());
    EXPECT_EQ(w.finish(), -1);
    EXPECT_EQ(b, Buffer(39, 0xCC));
    EXPECT_EQ(PacketWriter(nullptr, 100, 40, 1).finish(), -1);
}

TEST(PacketWriter, FieldsOutsideThePacketAreIgnored) {
    Buffer b(16, 0xCC);
    PacketWriter w(b.data(), 16, 8, 2);
    w.i32(6, -1).text(4, 8, "abcdefg").f64(-1, 2.0);
    EXPECT_EQ(w.finish(), 8);
    EXPECT_EQ(Buffer(b.begin() + 4, b.begin() + 16),
              (Buffer{0, 0, 0, 0, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC}));
}

TEST(PlainText, AsciiTextIsCutToWidthMinusOne) {
    Buffer b(20, 0xCC);
    writePlainText(b.data(), 16, "abcdefghijklmno");  // exactly 15 bytes
    EXPECT_EQ(fieldBytes(b, 0, 16), std::string("abcdefghijklmno") + '\0');
    writePlainText(b.data(), 16, "abcdefghijklmnopqrstu");
    EXPECT_EQ(fieldBytes(b, 0, 16), std::string("abcdefghijklmno") + '\0');
    EXPECT_EQ(b[16], 0xCC);
    writePlainText(b.data(), 16, "");
    EXPECT_EQ(fieldBytes(b, 0, 16), std::string(16, '\0'));
}

TEST(PlainText, GbkTextIsCutBeforeADoubleByteCharacterThatWouldNotFit) {
    Buffer b(16);
    // Eight two-byte characters: 16 bytes; 15 would halve the eighth.
    writePlainText(b.data(), 16, "柜台管理柜台管理");
    EXPECT_EQ(rawPlainText(b.data(), 16), toGbk("柜台管理柜台管"));
    EXPECT_EQ(readPlainText(b.data(), 16), "柜台管理柜台管");
    EXPECT_EQ(b[14], 0);
    // With one ASCII byte in front the cut falls between characters.
    writePlainText(b.data(), 16, "a柜台管理柜台管理");
    EXPECT_EQ(rawPlainText(b.data(), 16).size(), 15u);
    EXPECT_EQ(readPlainText(b.data(), 16), "a柜台管理柜台管");
}

TEST(PlainText, ReaderStopsAtNulOrTheFieldEnd) {
    uint8_t field[8] = {'a', 'b', 0, 'c', 'd', 0, 0, 0};
    EXPECT_EQ(readPlainText(field, 8), "ab");
    uint8_t full[4] = {'w', 'x', 'y', 'z'};
    EXPECT_EQ(readPlainText(full, 4), "wxyz");
    EXPECT_EQ(readPlainText(full, 2), "wx");
}

TEST(KeepAlive, IsExactlyFourBytes) {
    uint8_t b[8];
    std::memset(b, 0xCC, sizeof b);
    ASSERT_EQ(writeKeepAlive(b, 8), 4);
    EXPECT_EQ(Buffer(b, b + 5), (Buffer{0x04, 0x00, 0x00, 0x01, 0xCC}));
    EXPECT_EQ(writeKeepAlive(b, 3), -1);
}

// A plain request of `size` bytes whose body is
// pseudo-random bytes or of a few fields over zeros.
Buffer plainRequest(int size, uint8_t command, bool random) {
    Buffer b(static_cast<std::size_t>(size));
    PacketWriter w(b.data(), size, size, command);
    if (random) {
        uint32_t x = 12345;
        for (int i = 4; i < size; ++i) {
            x = x * 1103515245u + 12345u;
            b[static_cast<std::size_t>(i)] = static_cast<uint8_t>(x >> 16);
        }
    } else {
        w.text(4, 16, "G01").text(20, 64, "一级组").i32(84, 3);
    }
    return b;
}

TEST(CompressedRequest, CompressesTheBodyAndInflatesBackToThePlainPacket) {
    for (auto [size, command] : {std::pair{124, cmd::AddGroup}, std::pair{129, cmd::ModifyGroup},
                                 std::pair{196, cmd::ModifySubAccount}}) {
        Buffer plain = plainRequest(size, command, false);
        Buffer out(1024, 0xCC);
        int n = writeCompressedRequest(plain.data(), size, out.data(), 1024);
        ASSERT_GT(n, 4);
        ASSERT_LT(n, size);
        EXPECT_EQ(getU16(out.data()), n);
        EXPECT_EQ(out[2], FlagCompressed);
        EXPECT_EQ(out[3], command);
        // The body is one zlib stream of the plain body.
        Buffer body(static_cast<std::size_t>(size - 4));
        uLongf bodySize = body.size();
        ASSERT_EQ(uncompress(body.data(), &bodySize, out.data() + 4, static_cast<uLong>(n - 4)),
                  Z_OK);
        ASSERT_EQ(bodySize, body.size());
        EXPECT_TRUE(std::equal(body.begin(), body.end(), plain.begin() + 4));
        // And the decoder's inflation gives the plain packet back.
        Buffer work(WorkCopySize);
        ASSERT_EQ(inflatePacket(out.data(), n, work.data(), WorkCopySize), size);
        EXPECT_EQ(getU16(work.data()), size);
        EXPECT_EQ(work[3], command);
        EXPECT_TRUE(std::equal(plain.begin() + 4, plain.end(), work.begin() + 4));
    }
}

TEST(CompressedRequest, FallsBackToThePlainPacketWhenTheOutputDoesNotFit) {
    // Incompressible body and exactly the plain size as capacity: zlib's
    // output cannot fit, the plain packet goes out with flag 0.
    Buffer plain = plainRequest(196, cmd::ModifySubAccount, true);
    Buffer out(196, 0xCC);
    ASSERT_EQ(writeCompressedRequest(plain.data(), 196, out.data(), 196), 196);
    EXPECT_EQ(out, plain);
    EXPECT_EQ(out[2], FlagPlain);
}

TEST(CompressedRequest, WorksInPlaceAndRefusesASmallCapacity) {
    Buffer b = plainRequest(124, cmd::AddGroup, false);
    Buffer copy = b;
    b.resize(512);
    int n = writeCompressedRequest(b.data(), 124, b.data(), 512);
    ASSERT_GT(n, 4);
    Buffer work(WorkCopySize);
    ASSERT_EQ(inflatePacket(b.data(), n, work.data(), WorkCopySize), 124);
    EXPECT_TRUE(std::equal(copy.begin() + 4, copy.end(), work.begin() + 4));

    Buffer out(123);
    EXPECT_EQ(writeCompressedRequest(copy.data(), 124, out.data(), 123), -1);
    EXPECT_EQ(writeCompressedRequest(nullptr, 124, out.data(), 123), -1);
}

TEST(ResultPacket, StatusDecidesAndTheTextFollows) {
    Buffer ok{9, 0, 0, 0, 0, 'd', 'o', 'n', 'e'};
    ASSERT_TRUE(ResultPacket::isResult(ok.data(), 9));
    auto r = ResultPacket::parse(ok.data(), 9);
    EXPECT_EQ(r.status, 0);  // success even with text
    EXPECT_EQ(r.text, "done");

    std::string gbk = toGbk("账号已存在");
    Buffer failed{0, 0, 0, 0, 3};
    failed.insert(failed.end(), gbk.begin(), gbk.end());
    failed.push_back(0);
    failed.push_back('x');  // after the NUL: not part of the text
    r = ResultPacket::parse(failed.data(), static_cast<int>(failed.size()));
    EXPECT_EQ(r.status, 3);
    EXPECT_EQ(r.text, "账号已存在");

    Buffer headerOnly{4, 0, 0, 0};
    EXPECT_TRUE(ResultPacket::isResult(headerOnly.data(), 4));
    EXPECT_EQ(ResultPacket::parse(headerOnly.data(), 4).text, "");
    Buffer other{4, 0, 0, 3};
    EXPECT_FALSE(ResultPacket::isResult(other.data(), 4));
    EXPECT_FALSE(ResultPacket::isResult(other.data(), 3));
}

}  // namespace
}  // namespace korvant
