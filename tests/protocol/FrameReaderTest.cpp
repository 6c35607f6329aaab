#include <gtest/gtest.h>

#include <vector>

#include "protocol/FrameReader.h"

namespace korvant {
namespace {

using Buffer = std::vector<uint8_t>;

Buffer packet(uint8_t command, std::size_t bodySize) {
    Buffer b(bodySize + 4, 0);
    b[0] = static_cast<uint8_t>(b.size());
    b[1] = static_cast<uint8_t>(b.size() >> 8);
    b[3] = command;
    for (std::size_t i = 4; i < b.size(); ++i) b[i] = static_cast<uint8_t>(i);
    return b;
}

TEST(FrameReader, AssemblesPacketsFedByteByByte) {
    FrameReader reader;
    Buffer p = packet(4, 300);
    Buffer out;
    for (std::size_t i = 0; i < p.size(); ++i) {
        EXPECT_FALSE(reader.next(out));
        EXPECT_EQ(reader.missing(), i < 4 ? 4 - i : p.size() - i);
        reader.feed(&p[i], 1);
    }
    ASSERT_TRUE(reader.next(out));
    EXPECT_EQ(out, p);
    EXPECT_EQ(reader.buffered(), 0u);
    EXPECT_FALSE(reader.next(out));
}

TEST(FrameReader, SplitsSeveralPacketsFromOneFeed) {
    FrameReader reader;
    Buffer a = packet(1, 0), b = packet(3, 20), c = packet(0, 5);
    Buffer all = a;
    all.insert(all.end(), b.begin(), b.end());
    all.insert(all.end(), c.begin(), c.begin() + 3);  // c is incomplete
    reader.feed(all.data(), all.size());
    Buffer out;
    ASSERT_TRUE(reader.next(out));
    EXPECT_EQ(out, a);
    ASSERT_TRUE(reader.next(out));
    EXPECT_EQ(out, b);
    EXPECT_FALSE(reader.next(out));
    EXPECT_EQ(reader.buffered(), 3u);
    reader.feed(c.data() + 3, c.size() - 3);
    ASSERT_TRUE(reader.next(out));
    EXPECT_EQ(out, c);
}

TEST(FrameReader, LengthBelowTheHeaderIsAStickyError) {
    FrameReader reader;
    Buffer good = packet(1, 0);
    Buffer bad{2, 0, 0, 3};
    Buffer all = good;
    all.insert(all.end(), bad.begin(), bad.end());
    reader.feed(all.data(), all.size());
    Buffer out;
    // The packet before the bad one is still whole; then the error holds.
    EXPECT_TRUE(reader.next(out));
    EXPECT_FALSE(reader.next(out));
    EXPECT_TRUE(reader.hasError());
    reader.feed(good.data(), good.size());
    EXPECT_FALSE(reader.next(out));
    EXPECT_TRUE(reader.hasError());
    EXPECT_EQ(reader.missing(), 0u);
    reader.reset();
    EXPECT_FALSE(reader.hasError());
    reader.feed(good.data(), good.size());
    EXPECT_TRUE(reader.next(out));
}

TEST(FrameReader, LengthFieldIsCheckedAsSoonAsItsTwoBytesArrive) {
    FrameReader zero;
    uint8_t bytes[2] = {0, 0};
    zero.feed(bytes, 2);
    EXPECT_TRUE(zero.hasError());

    FrameReader limited(100);
    Buffer big = packet(4, 200);
    limited.feed(big.data(), 2);
    EXPECT_TRUE(limited.hasError());
}

TEST(FrameReader, TheDefaultLimitIsTheLongestAcceptedAnswer) {
    Buffer out;
    FrameReader exact;
    Buffer longest = packet(4, MaxPacketSize - 4);
    exact.feed(longest.data(), longest.size());
    ASSERT_TRUE(exact.next(out));
    EXPECT_EQ(out.size(), static_cast<std::size_t>(MaxPacketSize));

    FrameReader over;
    Buffer tooLong = packet(4, MaxPacketSize - 3);
    over.feed(tooLong.data(), 2);
    EXPECT_TRUE(over.hasError());

    // Any length a header states, and no more: a limit above it means it.
    for (int limit : {AnyPacketLength, 1 << 20}) {
        FrameReader any(limit);
        Buffer largest = packet(4, AnyPacketLength - 4);
        any.feed(largest.data(), largest.size());
        ASSERT_TRUE(any.next(out));
        EXPECT_EQ(out.size(), static_cast<std::size_t>(AnyPacketLength));
    }
}

}  // namespace
}  // namespace korvant
