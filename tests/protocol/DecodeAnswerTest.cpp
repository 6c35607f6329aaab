#include <gtest/gtest.h>

#include <zlib.h>

#include <vector>

#include "protocol/AnswerRouter.h"
#include "protocol/Bytes.h"
#include "protocol/CommandCode.h"
#include "protocol/Packet.h"

namespace korvant {
namespace {

using Buffer = std::vector<uint8_t>;

struct Seen {
    int calls = 0;
    int length = -1;
    Buffer packet;
};

AnswerRouter recordingRouter(Seen& seen, uint8_t command) {
    AnswerRouter router;
    router.setHandler(command, [&seen](const uint8_t* p, int length) {
        ++seen.calls;
        seen.length = length;
        seen.packet.assign(p, p + length);
    });
    return router;
}

Buffer plainAnswer(uint8_t command, int length) {
    Buffer b(static_cast<std::size_t>(length));
    putU16(b.data(), static_cast<uint16_t>(length));
    b[3] = command;
    for (int i = 4; i < length; ++i) b[static_cast<std::size_t>(i)] = static_cast<uint8_t>(i);
    return b;
}

// A flag-1 answer whose body is `body` compressed.
Buffer compressedAnswer(uint8_t command, const Buffer& body) {
    uLongf size = compressBound(body.size());
    Buffer b(size + 4);
    EXPECT_EQ(compress2(b.data() + 4, &size, body.data(), body.size(), 9), Z_OK);
    b.resize(size + 4);
    putU16(b.data(), static_cast<uint16_t>(b.size()));
    b[2] = FlagCompressed;
    b[3] = command;
    return b;
}

TEST(DecodeAnswer, LengthLimitIsMaxPacketSize) {
    Seen seen;
    AnswerRouter router = recordingRouter(seen, cmd::GroupList);
    Buffer exact = plainAnswer(cmd::GroupList, MaxPacketSize);
    EXPECT_EQ(decodeAnswer(router, exact.data(), MaxPacketSize), 0);
    EXPECT_EQ(seen.calls, 1);
    EXPECT_EQ(seen.length, MaxPacketSize);
    EXPECT_EQ(seen.packet, exact);

    Buffer over = plainAnswer(cmd::GroupList, MaxPacketSize + 1);
    EXPECT_EQ(decodeAnswer(router, over.data(), MaxPacketSize + 1), 3);
    EXPECT_EQ(seen.calls, 1);
}

TEST(DecodeAnswer, CompressedAnswerIsSeenWithItsDecompressedLength) {
    Seen seen;
    AnswerRouter router = recordingRouter(seen, cmd::VarietyList);
    Buffer body(4000);
    for (std::size_t i = 0; i < body.size(); ++i) body[i] = static_cast<uint8_t>(i % 13);
    Buffer answer = compressedAnswer(cmd::VarietyList, body);
    ASSERT_LT(answer.size(), 1000u);
    EXPECT_EQ(decodeAnswer(router, answer.data(), static_cast<int>(answer.size())), 0);
    ASSERT_EQ(seen.calls, 1);
    EXPECT_EQ(seen.length, 4004);
    EXPECT_EQ(getU16(seen.packet.data()), 4004);  // header agrees with the length seen
    EXPECT_EQ(seen.packet[3], cmd::VarietyList);
    EXPECT_TRUE(std::equal(body.begin(), body.end(), seen.packet.begin() + 4));
}

TEST(DecodeAnswer, CompressedBodyMayFillMaxBodySizeButNotMore) {
    Seen seen;
    AnswerRouter router = recordingRouter(seen, cmd::FeeTemplateList);
    Buffer full = compressedAnswer(cmd::FeeTemplateList, Buffer(MaxBodySize, 7));
    EXPECT_EQ(decodeAnswer(router, full.data(), static_cast<int>(full.size())), 0);
    EXPECT_EQ(seen.length, MaxPacketSize);

    Buffer tooBig = compressedAnswer(cmd::FeeTemplateList, Buffer(MaxBodySize + 1, 7));
    EXPECT_EQ(decodeAnswer(router, tooBig.data(), static_cast<int>(tooBig.size())), 2);
    EXPECT_EQ(seen.calls, 1);
}

TEST(DecodeAnswer, CorruptOrTruncatedZlibGivesTwoAndNoHandler) {
    Seen seen;
    AnswerRouter router = recordingRouter(seen, cmd::GroupList);
    Buffer garbage = plainAnswer(cmd::GroupList, 40);
    garbage[2] = FlagCompressed;
    EXPECT_EQ(decodeAnswer(router, garbage.data(), 40), 2);

    Buffer truncated = compressedAnswer(cmd::GroupList, Buffer(500, 1));
    truncated.resize(truncated.size() - 3);
    putU16(truncated.data(), static_cast<uint16_t>(truncated.size()));
    EXPECT_EQ(decodeAnswer(router, truncated.data(), static_cast<int>(truncated.size())), 2);

    Buffer emptyBody{4, 0, FlagCompressed, cmd::GroupList};
    EXPECT_EQ(decodeAnswer(router, emptyBody.data(), 4), 2);
    EXPECT_EQ(seen.calls, 0);
}

TEST(DecodeAnswer, OtherFlagValuesAreCopiedAsPlain) {
    Seen seen;
    AnswerRouter router = recordingRouter(seen, cmd::GroupList);
    Buffer answer = plainAnswer(cmd::GroupList, 20);
    answer[2] = 7;
    EXPECT_EQ(decodeAnswer(router, answer.data(), 20), 0);
    EXPECT_EQ(seen.packet, answer);
}

TEST(DecodeAnswer, Command95GoesToNoHandlerAndItsValueIsReturnedByTheRoute) {
    Seen seen;
    AnswerRouter router = recordingRouter(seen, cmd::AddGroup);
    Buffer answer{8, 0, 0, cmd::AddGroup, 0x2A, 0x01, 0, 0};
    EXPECT_EQ(router.route(answer.data(), 8), 0x12A);
    EXPECT_EQ(decodeAnswer(router, answer.data(), 8), 0);
    EXPECT_EQ(seen.calls, 0);
    // Too short to carry the value, or another command: no value.
    Buffer shortAnswer{6, 0, 0, cmd::AddGroup, 1, 2};
    EXPECT_EQ(router.route(shortAnswer.data(), 6), std::nullopt);
    EXPECT_EQ(router.route(plainAnswer(cmd::GroupList, 12).data(), 12), std::nullopt);
}

TEST(DecodeAnswer, UnroutedCommandsAreDroppedAndHandlersCanBeCleared) {
    Seen seen;
    AnswerRouter router = recordingRouter(seen, cmd::GroupList);
    Buffer other = plainAnswer(cmd::VarietyList, 12);
    EXPECT_EQ(decodeAnswer(router, other.data(), 12), 0);
    EXPECT_EQ(seen.calls, 0);
    router.clearHandler(cmd::GroupList);
    Buffer mine = plainAnswer(cmd::GroupList, 12);
    EXPECT_EQ(decodeAnswer(router, mine.data(), 12), 0);
    EXPECT_EQ(seen.calls, 0);
}

}  // namespace
}  // namespace korvant
