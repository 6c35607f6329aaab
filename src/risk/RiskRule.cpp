#include "risk/RiskRule.h"

#include <cstring>

#include "protocol/Bytes.h"
#include "protocol/Gbk.h"

namespace korvant {

RiskRule parseRiskRule(const uint8_t* p) {
    RiskRule r;
    r.id = getI32(p);
    r.kind = getI32(p + 4);
    r.accountLevel = getI32(p + 8);
    r.category = getI32(p + 12);
    r.scope = readPlainText(p + 20, RuleScopeBytes);
    r.parameters[0] = getI32(p + 2068);
    r.parameters[1] = getI32(p + 2072);
    r.parameters[2] = getI32(p + 2076);
    r.forbidOpen = getI32(p + 2080);
    r.forbidClose = getI32(p + 2084);
    r.notifyMinutes = getI32(p + 2088);
    r.forceClosePercent = getI32(p + 2092);
    r.summary = readPlainText(p + 2096, RuleSummaryBytes);
    r.owner = getI32(p + 2352);
    r.parameters[3] = getI32(p + 2356);
    r.parameters[4] = getI32(p + 2360);
    r.parameters[5] = getI32(p + 2364);
    r.windowStart = getI32(p + 2368);
    r.windowEnd = getI32(p + 2372);
    return r;
}

void writeRiskRule(const RiskRule& r, uint8_t* p) {
    std::memset(p, 0, RiskStrategy::WireSize);
    putI32(p, r.id);
    putI32(p + 4, r.kind);
    putI32(p + 8, r.accountLevel);
    putI32(p + 12, r.category);
    const std::string scope = toGbk(r.scope);
    std::memcpy(p + 20, scope.data(), gbkCutLength(scope, RuleScopeBytes));
    putI32(p + 2068, r.parameters[0]);
    putI32(p + 2072, r.parameters[1]);
    putI32(p + 2076, r.parameters[2]);
    putI32(p + 2080, r.forbidOpen);
    putI32(p + 2084, r.forbidClose);
    putI32(p + 2088, r.notifyMinutes);
    putI32(p + 2092, r.forceClosePercent);
    writePlainText(p + 2096, RuleSummaryBytes, r.summary);
    putI32(p + 2352, r.owner);
    putI32(p + 2356, r.parameters[3]);
    putI32(p + 2360, r.parameters[4]);
    putI32(p + 2364, r.parameters[5]);
    putI32(p + 2368, r.windowStart);
    putI32(p + 2372, r.windowEnd);
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
