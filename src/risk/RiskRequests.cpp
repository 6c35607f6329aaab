#include "risk/RiskRequests.h"

#include <cstring>

#include "protocol/Bytes.h"
#include "protocol/CommandCode.h"
#include "protocol/Gbk.h"
#include "protocol/Packet.h"

namespace korvant {

namespace {

// The scope field may be full without a NUL.
void writeScope(PacketWriter& w, int offset, const std::string& scope) {
    const std::string gbk = toGbk(scope);
    w.bytes(offset, reinterpret_cast<const uint8_t*>(gbk.data()),
            static_cast<int>(gbkCutLength(gbk, RuleScopeBytes)));
}

PacketWriter& targetFields(PacketWriter& w, const RuleTarget& target) {
    return w.i32(4, static_cast<int32_t>(target.kind)).text(8, TargetCodeBytes, target.code);
}

}  // namespace

AssignedRule parseAssignedRule(const uint8_t* p) {
    AssignedRule a;
    a.id = getI32(p);
    a.accountSelector = getI32(p + 12);
    a.code = readPlainText(p + 16, TargetCodeBytes);
    a.groupSelector = readPlainText(p + 32, TargetCodeBytes);
    RiskRule& r = a.rule;
    r.id = a.id;
    r.category = getI32(p + 48);
    r.scope = readPlainText(p + 56, RuleScopeBytes);
    r.parameters[0] = getI32(p + 2104);
    r.parameters[1] = getI32(p + 2108);
    r.parameters[2] = getI32(p + 2112);
    r.forbidOpen = getI32(p + 2116);
    r.forbidClose = getI32(p + 2120);
    r.summary = readPlainText(p + 2124, RuleSummaryBytes);
    r.parameters[3] = getI32(p + 2380);
    r.parameters[4] = getI32(p + 2384);
    r.parameters[5] = getI32(p + 2388);
    r.notifyMinutes = getI32(p + 2392);
    r.forceClosePercent = getI32(p + 2396);
    r.windowStart = getI32(p + 2400);
    r.windowEnd = getI32(p + 2404);
    return a;
}

int writeAddRule(const RiskRule& rule, uint8_t* buffer, int capacity) {
    PacketWriter w(buffer, capacity, AddRuleSize, cmd::AddRiskRule);
    if (!w.valid()) return -1;
    // The record behind the header, whose first four bytes it replaces.
    uint8_t record[RiskStrategy::WireSize];
    writeRiskRule(rule, record);
    w.bytes(4, record + 4, RiskStrategy::WireSize - 4);
    return w.finish();
}

int writeModifyRule(int32_t id, const RiskRule& r, uint8_t* buffer, int capacity) {
    PacketWriter w(buffer, capacity, ModifyRuleSize, cmd::ModifyRiskRule);
    if (!w.valid()) return -1;
    w.i32(4, id);
    writeScope(w, 8, r.scope);
    w.i32(2056, r.parameters[0])
        .i32(2060, r.parameters[1])
        .i32(2064, r.forbidOpen)
        .i32(2068, r.forbidClose)
        .i32(2072, r.notifyMinutes)
        .i32(2076, r.forceClosePercent)
        .text(2080, RuleSummaryBytes, r.summary)
        .i32(2336, r.parameters[2])
        .i32(2340, r.parameters[3])
        .i32(2344, r.parameters[4])
        .i32(2348, r.parameters[5])
        .i32(2352, r.windowStart)
        .i32(2356, r.windowEnd);
    return w.finish();
}

int writeDeleteRule(int32_t id, uint8_t* buffer, int capacity) {
    return PacketWriter(buffer, capacity, DeleteRuleSize, cmd::DeleteRiskRule).i32(4, id).finish();
}

int writeAssignedRulesRequest(const RuleTarget& target, int page, uint8_t* buffer, int capacity) {
    PacketWriter w(buffer, capacity, AssignedRulesSize, cmd::AssignedRules);
    return targetFields(w, target).i32(24, page).finish();
}

int writeLoadRule(const RuleTarget& target, int32_t position, const RiskRule& r, uint8_t* buffer,
                  int capacity) {
    PacketWriter w(buffer, capacity, LoadRuleSize, cmd::LoadRiskRule);
    if (!w.valid()) return -1;
    w.i32(4, static_cast<int32_t>(target.kind))
        .i32(8, position)
        .i32(12, r.kind)
        .text(16, TargetCodeBytes, target.code)
        .i32(32, r.category)
        .i32(36, 0);
    writeScope(w, 40, r.scope);
    w.i32(2088, r.parameters[0])
        .i32(2092, r.parameters[1])
        .i32(2096, r.parameters[2])
        .i32(2100, r.forbidOpen)
        .i32(2104, r.forbidClose)
        .text(2108, RuleSummaryBytes, r.summary)
        .i32(2364, r.parameters[3])
        .i32(2368, r.parameters[4])
        .i32(2372, r.parameters[5])
        .i32(2376, r.notifyMinutes)
        .i32(2380, r.forceClosePercent)
        .i32(2384, r.windowStart)
        .i32(2388, r.windowEnd)
        .i32(2392, r.id);
    return w.finish();
}

int writeUnloadRule(const RuleTarget& target, int32_t id, int32_t position, int32_t count,
                    uint8_t* buffer, int capacity) {
    PacketWriter w(buffer, capacity, UnloadRuleSize, cmd::UnloadRiskRule);
    return targetFields(w, target).i32(24, id).i32(28, position).i32(32, count).finish();
}

int writeMoveRule(const RuleTarget& target, bool up, int32_t position, uint8_t* buffer,
                  int capacity) {
    PacketWriter w(buffer, capacity, MoveRuleSize, up ? cmd::MoveRuleUp : cmd::MoveRuleDown);
    return targetFields(w, target).i32(24, position).finish();
}

int writeAssignmentDone(const RuleTarget& target, uint8_t* buffer, int capacity) {
    PacketWriter w(buffer, capacity, AssignmentDoneSize, cmd::RuleAssignmentDone);
    return targetFields(w, target).finish();
}

}  // namespace korvant
