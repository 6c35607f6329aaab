// Whatever the server sends, decoding an answer never reads past it, never
// loops without end and never builds an unbounded cache: random packets of
// every command, plain and compressed, and list answers with absurd page
// headers, go through the router with every handler of the desk registered.
#include <gtest/gtest.h>
#include <zlib.h>

#include <cstring>
#include <random>
#include <vector>

#include "app/desk/Desk.h"
#include "core/CoreDesk.h"
#include "protocol/AnswerRouter.h"
#include "protocol/Bytes.h"
#include "support/ScriptedPort.h"

namespace korvant {
namespace {

using Packet = std::vector<uint8_t>;

Packet randomPacket(std::mt19937& rng, uint8_t command) {
    std::uniform_int_distribution<int> byte(0, 255);
    int size = std::uniform_int_distribution<int>(4, 3000)(rng);
    if (rng() % 8 == 0) size = std::uniform_int_distribution<int>(4, 25000)(rng);
    Packet p(static_cast<std::size_t>(size));
    for (auto& b : p) b = static_cast<uint8_t>(byte(rng));
    putU16(p.data(), static_cast<uint16_t>(size));
    p[2] = 0;
    p[3] = command;
    // Page headers of list answers: huge, negative or plausible counts.
    if (size >= 12 && rng() % 2 == 0) {
        const int32_t values[] = {0, 1, -1, 2, 1000000, INT32_MIN, INT32_MAX};
        putI32(p.data() + 4, values[rng() % 7]);
        putI32(p.data() + 8, values[rng() % 7]);
    }
    return p;
}

// The same body compressed (flag 1), as the server may send any answer.
Packet compressed(const Packet& plain) {
    uLongf room = compressBound(static_cast<uLong>(plain.size() - 4));
    Packet out(4 + room);
    if (compress2(out.data() + 4, &room, plain.data() + 4, static_cast<uLong>(plain.size() - 4),
                  9) != Z_OK)
        return plain;
    out.resize(4 + room);
    putU16(out.data(), static_cast<uint16_t>(out.size()));
    out[2] = 1;
    out[3] = plain[3];
    return out;
}

TEST(AnswerRobustness, RandomAnswersOfEveryCommandAreDecodedSafely) {
    test::ScriptedPort port;
    CoreDesk desk{port};
    std::mt19937 rng(20261208);
    for (int command = 0; command < 256; ++command) {
        for (int round = 0; round < 40; ++round) {
            Packet p = randomPacket(rng, static_cast<uint8_t>(command));
            if (round % 4 == 3) p = compressed(p);
            int result = decodeAnswer(desk.router(), p.data(), static_cast<int>(p.size()));
            EXPECT_GE(result, 0);
            EXPECT_LE(result, 3);
        }
        // Length fields that lie: shorter than the header, or longer than
        // the bytes handed over.
        Packet shortOne{2, 0, 0, static_cast<uint8_t>(command)};
        decodeAnswer(desk.router(), shortOne.data(), 4);
        decodeAnswer(desk.router(), shortOne.data(), 3);
    }
}

}  // namespace
}  // namespace korvant
