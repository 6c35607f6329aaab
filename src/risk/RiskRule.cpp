#include "risk/RiskRule.h"

#include "protocol/Gbk.h"

namespace korvant {

RiskRule parseRiskRule(const uint8_t* record) {
    return decodeWire<RiskRule>(record);
}

void writeRiskRule(const RiskRule& rule, uint8_t* record) {
    writeWire(rule, record);
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
