#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "protocol/Bytes.h"
#include "protocol/Gbk.h"
#include "risk/RiskRequests.h"

namespace korvant {
namespace {

// The numbers an editor sets, in this order: parameters 0 to 5, forbid
// open, forbid close, notify minutes, force-close percent, window start,
// window end.
constexpr std::array<int32_t, 12> Numbers = {11, 12, 13, 14, 15, 16, 21, 22, 23, 24, 25, 26};

struct Layout {
    std::array<int, 12> numbers;  // offsets, in the order of Numbers
    int scope;
    int summary;
};

RiskRule editedRule() {
    RiskRule r;
    for (std::size_t i = 0; i < r.parameters.size(); ++i) r.parameters[i] = Numbers[i];
    r.forbidOpen = Numbers[6];
    r.forbidClose = Numbers[7];
    r.notifyMinutes = Numbers[8];
    r.forceClosePercent = Numbers[9];
    r.windowStart = Numbers[10];
    r.windowEnd = Numbers[11];
    r.scope = "cu|al";
    r.summary = "规则说明";
    return r;
}

TEST(RiskRequests, ModifyRequestAndAssignedEntryCarryTheEditedFieldsAtTheirOffsets) {
    const RiskRule r = editedRule();

    const Layout modify{
        {2056, 2060, 2336, 2340, 2344, 2348, 2064, 2068, 2072, 2076, 2352, 2356}, 8, 2080};
    const std::vector<uint8_t> packet = writeModifyRule(9, r);
    ASSERT_EQ(packet.size(), 2360u);
    EXPECT_EQ(getI32(packet.data() + 4), 9);
    for (std::size_t i = 0; i < Numbers.size(); ++i)
        EXPECT_EQ(getI32(packet.data() + modify.numbers[i]), Numbers[i]) << i;
    EXPECT_EQ(readPlainText(packet.data() + modify.scope, RuleScopeBytes), r.scope);
    EXPECT_EQ(readPlainText(packet.data() + modify.summary, RuleSummaryBytes), r.summary);

    const Layout assigned{
        {2104, 2108, 2112, 2380, 2384, 2388, 2116, 2120, 2392, 2396, 2400, 2404}, 56, 2124};
    std::vector<uint8_t> entry(AssignedRule::WireSize, 0);
    for (std::size_t i = 0; i < Numbers.size(); ++i)
        putI32(entry.data() + assigned.numbers[i], Numbers[i]);
    writePlainText(entry.data() + assigned.scope, RuleScopeBytes, r.scope);
    writePlainText(entry.data() + assigned.summary, RuleSummaryBytes, r.summary);
    const RiskRule back = parseAssignedRule(entry.data()).rule;
    EXPECT_EQ(back.parameters, r.parameters);
    EXPECT_EQ(
        std::tie(back.forbidOpen, back.forbidClose, back.notifyMinutes, back.forceClosePercent,
                 back.windowStart, back.windowEnd, back.scope, back.summary),
        std::tie(r.forbidOpen, r.forbidClose, r.notifyMinutes, r.forceClosePercent, r.windowStart,
                 r.windowEnd, r.scope, r.summary));
}

}  // namespace
}  // namespace korvant
