#include "risk/RiskRequests.h"

#include "protocol/Bytes.h"
#include "protocol/CommandCode.h"
#include "protocol/Gbk.h"
#include "protocol/Packet.h"

namespace korvant {

namespace {

// Where the editor's fields stand in the modify request, in an entry of
// the command-68 answer and in the load request.
constexpr RuleFieldOffsets ModifyFields{
    8, {2056, 2060, 2336, 2340, 2344, 2348}, 2064, 2068, 2072, 2076, 2080, 2352, 2356};
constexpr RuleFieldOffsets AssignedFields{
    56, {2104, 2108, 2112, 2380, 2384, 2388}, 2116, 2120, 2392, 2396, 2124, 2400, 2404};
constexpr RuleFieldOffsets LoadFields{
    40, {2088, 2092, 2096, 2364, 2368, 2372}, 2100, 2104, 2376, 2380, 2108, 2384, 2388};

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
    a.rule.id = a.id;
    a.rule.category = getI32(p + 48);
    readRuleFields(p, AssignedFields, a.rule);
    return a;
}

int writeAddRule(const RiskRule& rule, uint8_t* buffer, int capacity) {
    PacketWriter w(buffer, capacity, 2376, cmd::AddRiskRule);
    if (!w.valid()) return -1;
    // The record behind the header, whose first four bytes it replaces.
    uint8_t record[RiskStrategy::WireSize];
    writeRiskRule(rule, record);
    w.bytes(4, record + 4, RiskStrategy::WireSize - 4);
    return w.finish();
}

int writeModifyRule(int32_t id, const RiskRule& r, uint8_t* buffer, int capacity) {
    PacketWriter w(buffer, capacity, 2360, cmd::ModifyRiskRule);
    if (!w.valid()) return -1;
    w.i32(4, id);
    writeRuleFields(r, ModifyFields, w.data());
    return w.finish();
}

int writeDeleteRule(int32_t id, uint8_t* buffer, int capacity) {
    return PacketWriter(buffer, capacity, 8, cmd::DeleteRiskRule).i32(4, id).finish();
}

int writeAssignedRulesRequest(const RuleTarget& target, int page, uint8_t* buffer, int capacity) {
    PacketWriter w(buffer, capacity, 32, cmd::AssignedRules);
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
        .i32(36, 0)
        .i32(2392, r.id);
    writeRuleFields(r, LoadFields, w.data());
    return w.finish();
}

int writeUnloadRule(const RuleTarget& target, int32_t id, int32_t position, int32_t count,
                    uint8_t* buffer, int capacity) {
    PacketWriter w(buffer, capacity, UnloadRuleSize, cmd::UnloadRiskRule);
    return targetFields(w, target).i32(24, id).i32(28, position).i32(32, count).finish();
}

int writeMoveRule(const RuleTarget& target, bool up, int32_t position, uint8_t* buffer,
                  int capacity) {
    PacketWriter w(buffer, capacity, 28, up ? cmd::MoveRuleUp : cmd::MoveRuleDown);
    return targetFields(w, target).i32(24, position).finish();
}

int writeAssignmentDone(const RuleTarget& target, uint8_t* buffer, int capacity) {
    PacketWriter w(buffer, capacity, 24, cmd::RuleAssignmentDone);
    return targetFields(w, target).finish();
}

}  // namespace korvant
