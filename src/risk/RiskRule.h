#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/RiskStrategy.h"
#include "model/WireFields.h"

// A risk rule with its fields read out of its record in the rule
// warehouse, and the record written back field by field. Texts are UTF-8 here, GBK on the wire.
namespace korvant {

inline constexpr int RuleScopeBytes = 2048;  // not terminated when full
inline constexpr int RuleSummaryBytes = 256;

struct RiskRule {
    int32_t id = 0;
    int32_t kind = 0;
    int32_t accountLevel = 0;  // 0 sub-accounts and groups, 1 main accounts
    int32_t category = 0;
    std::string scope;  // products "cu|al" or exchanges "@SHFE|@DCE"; empty = all
    std::array<int32_t, 6> parameters{};
    int32_t forbidOpen = 0;
    int32_t forbidClose = 0;
    int32_t notifyMinutes = 0;
    int32_t forceClosePercent = 0;
    std::string summary;
    int32_t owner = 0;
    int32_t windowStart = 0;  // hour·10000 + minute·100 + second
    int32_t windowEnd = 0;

    // The record; the scope may fill its field with no NUL after it, the
    // summary is cut to 255 bytes, both on a whole character. Three of the
    // parameters lie apart from the other three.
    // clang-format off
    static constexpr auto wireFields = wireLayout<RiskStrategy::WireSize>(
        wireField(&RiskRule::id, 0, 4),
        wireField(&RiskRule::kind, 4, 4),
        wireField(&RiskRule::accountLevel, 8, 4),
        wireField(&RiskRule::category, 12, 4),
        wireFilledText(&RiskRule::scope, 20, RuleScopeBytes),
        wireElement(&RiskRule::parameters, 0, 2068),
        wireElement(&RiskRule::parameters, 1, 2072),
        wireElement(&RiskRule::parameters, 2, 2076),
        wireField(&RiskRule::forbidOpen, 2080, 4),
        wireField(&RiskRule::forbidClose, 2084, 4),
        wireField(&RiskRule::notifyMinutes, 2088, 4),
        wireField(&RiskRule::forceClosePercent, 2092, 4),
        wireField(&RiskRule::summary, 2096, RuleSummaryBytes),
        wireField(&RiskRule::owner, 2352, 4),
        wireElement(&RiskRule::parameters, 3, 2356),
        wireElement(&RiskRule::parameters, 4, 2360),
        wireElement(&RiskRule::parameters, 5, 2364),
        wireField(&RiskRule::windowStart, 2368, 4),
        wireField(&RiskRule::windowEnd, 2372, 4));
    // clang-format on
};

// Reads the fields of one whole record; the scope is read up to its NUL or
// the end of its field, never further.
RiskRule parseRiskRule(const uint8_t* record);
inline RiskRule parseRiskRule(const RiskStrategy& strategy) {
    return parseRiskRule(strategy.raw.data());
}
// Writes every field into a zeroed record.
void writeRiskRule(const RiskRule& rule, uint8_t* record);
RiskStrategy toRiskStrategy(const RiskRule& rule);

// A GBK field's text cut to `maxBytes` on a whole character (UTF-8 in and out).
std::string cutToGbkBytes(const std::string& utf8, std::size_t maxBytes);
// The GBK length of a UTF-8 text.
std::size_t gbkLength(const std::string& utf8);

}  // namespace korvant
