#include "risk/RiskRule.h"

#include <cstring>

#include "protocol/Bytes.h"
#include "protocol/Gbk.h"

namespace korvant {

namespace {

constexpr RuleFieldOffsets RecordFields{
    20, {2068, 2072, 2076, 2356, 2360, 2364}, 2080, 2084, 2088, 2092, 2096, 2368, 2372};

}  // namespace

void readRuleFields(const uint8_t* p, const RuleFieldOffsets& at, RiskRule& r) {
    r.scope = readPlainText(p + at.scope, RuleScopeBytes);
    for (std::size_t i = 0; i < r.parameters.size(); ++i)
        r.parameters[i] = getI32(p + at.parameters[i]);
    r.forbidOpen = getI32(p + at.forbidOpen);
    r.forbidClose = getI32(p + at.forbidClose);
    r.notifyMinutes = getI32(p + at.notifyMinutes);
    r.forceClosePercent = getI32(p + at.forceClosePercent);
    r.summary = readPlainText(p + at.summary, RuleSummaryBytes);
    r.windowStart = getI32(p + at.windowStart);
    r.windowEnd = getI32(p + at.windowEnd);
}

void writeRuleFields(const RiskRule& r, const RuleFieldOffsets& at, uint8_t* p) {
    const std::string scope = toGbk(r.scope);
    std::memcpy(p + at.scope, scope.data(), gbkCutLength(scope, RuleScopeBytes));
    for (std::size_t i = 0; i < r.parameters.size(); ++i)
        putI32(p + at.parameters[i], r.parameters[i]);
    putI32(p + at.forbidOpen, r.forbidOpen);
    putI32(p + at.forbidClose, r.forbidClose);
    putI32(p + at.notifyMinutes, r.notifyMinutes);
    putI32(p + at.forceClosePercent, r.forceClosePercent);
    writePlainText(p + at.summary, RuleSummaryBytes, r.summary);
    putI32(p + at.windowStart, r.windowStart);
    putI32(p + at.windowEnd, r.windowEnd);
}

RiskRule parseRiskRule(const uint8_t* p) {
    RiskRule r;
    r.id = getI32(p);
    r.kind = getI32(p + 4);
    r.accountLevel = getI32(p + 8);
    r.category = getI32(p + 12);
    r.owner = getI32(p + 2352);
    readRuleFields(p, RecordFields, r);
    return r;
}

void writeRiskRule(const RiskRule& r, uint8_t* p) {
    std::memset(p, 0, RiskStrategy::WireSize);
    putI32(p, r.id);
    putI32(p + 4, r.kind);
    putI32(p + 8, r.accountLevel);
    putI32(p + 12, r.category);
    putI32(p + 2352, r.owner);
    writeRuleFields(r, RecordFields, p);
}

RiskStrategy toRiskStrategy(const RiskRule& rule) {
    uint8_t record[RiskStrategy::WireSize];
    writeRiskRule(rule, record);
    return RiskStrategy::fromWire(record);
}

std::string cutToGbkBytes(const std::string& utf8, std::size_t maxBytes) {
    const std::string gbk = toGbk(utf8);
    if (gbk.size() <= maxBytes) return utf8;
    return fromGbk(std::string_view(gbk).substr(0, gbkCutLength(gbk, maxBytes)));
}

std::size_t gbkLength(const std::string& utf8) {
    return toGbk(utf8).size();
}

}  // namespace korvant
