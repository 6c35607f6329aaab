#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "risk/RiskRequests.h"

namespace korvant {
namespace {

uint64_t fnv1a(const std::vector<uint8_t>& bytes) {
    uint64_t h = 1469598103934665603ull;
    for (uint8_t b : bytes) h = (h ^ b) * 1099511628211ull;
    return h;
}

// Every field set, the scope longer than its field and ending in a
// double-byte character that does not fit whole.
RiskRule sampleRule() {
    RiskRule r;
    r.id = 42;
    r.kind = 14;
    r.accountLevel = 1;
    r.category = 7;
    r.scope = std::string(2046, 'c') + "期货";
    r.parameters = {1, -2, 3, 4, 5, 6};
    r.forbidOpen = 1;
    r.forbidClose = 2;
    r.notifyMinutes = 5;
    r.forceClosePercent = 50;
    r.summary = "规则说明";
    r.owner = 3;
    r.windowStart = 90000;
    r.windowEnd = 113000;
    return r;
}

// The bytes of each request for one sample, as the server has always been
// sent them (size and digest).
TEST(RiskRequests, EachWriterSendsTheBytesItAlwaysSent) {
    const RiskRule r = sampleRule();
    const RuleTarget t{RuleTargetKind::Group, "0123456789abcdefXYZ"};
    struct Case {
        const char* name;
        std::size_t size;
        uint64_t digest;
        std::function<std::vector<uint8_t>()> write;
    };
    const Case cases[] = {
        {"add rule", 2376, 0x08074e9679ac91b8ull, [&] { return writeAddRule(r); }},
        {"modify rule", 2360, 0x6e34c57b7b24157dull, [&] { return writeModifyRule(9, r); }},
        {"delete rule", 8, 0x513f66543cd89c4cull, [&] { return writeDeleteRule(9); }},
        {"assigned rules", 32, 0x1ac688c4e8a01dd1ull,
         [&] { return writeAssignedRulesRequest(t, 2); }},
        {"load rule", 2396, 0x388a30bd0dae5e9cull, [&] { return writeLoadRule(t, 3, r); }},
        {"unload rule", 36, 0xc0140c0ffdd4cb94ull, [&] { return writeUnloadRule(t, 42, 2, 5); }},
        {"move rule up", 28, 0x042492e4800be070ull, [&] { return writeMoveRule(t, true, 2); }},
        {"assignment done", 24, 0xf0d0faba48a2bf6aull, [&] { return writeAssignmentDone(t); }},
    };
    for (const Case& c : cases) {
        const std::vector<uint8_t> packet = c.write();
        EXPECT_EQ(packet.size(), c.size) << c.name;
        EXPECT_EQ(fnv1a(packet), c.digest) << c.name;
    }

    // An entry of the loaded rules, every byte set: what is read of it.
    std::vector<uint8_t> entry(AssignedRule::WireSize);
    for (std::size_t i = 0; i < entry.size(); ++i)
        entry[i] =
            static_cast<uint8_t>((i * 7 + 1) & 0x7F) ? static_cast<uint8_t>((i * 7 + 1) & 0x7F) : 1;
    const AssignedRule a = parseAssignedRule(entry.data());
    std::vector<uint8_t> record(RiskStrategy::WireSize);
    writeRiskRule(a.rule, record.data());
    EXPECT_EQ(a.id, 370083841);
    EXPECT_EQ(a.accountSelector, 1784896597);
    EXPECT_EQ(a.code, "qx\x7f\x06\x0d\x14\x1b\")07>ELSZ");
    EXPECT_EQ(a.groupSelector, "ahov}\x04\x0b\x12\x19 '.5<CJ");
    EXPECT_EQ(fnv1a(record), 0x23a327fda75b361eull);
}

}  // namespace
}  // namespace korvant
