#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/RiskStrategy.h"

// A risk rule with its fields read out of the 2376-byte record, and the
// record written back field by field. Texts are UTF-8 here, GBK on the wire.
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
};

// Where the fields a rule's editor sets stand in one of the layouts that
// carry them (the record, the modify and load requests, the entries of
// the rules loaded onto a target).
struct RuleFieldOffsets {
    int scope;
    std::array<int, 6> parameters;
    int forbidOpen;
    int forbidClose;
    int notifyMinutes;
    int forceClosePercent;
    int summary;
    int windowStart;
    int windowEnd;
};
// Reads those fields from `p` (the scope up to its NUL or its 2048 bytes).
void readRuleFields(const uint8_t* p, const RuleFieldOffsets& at, RiskRule& rule);
// Writes them into the zeroed bytes at `p`: the scope without a NUL when
// full, the summary cut to 255 bytes, both on a whole character.
void writeRuleFields(const RiskRule& rule, const RuleFieldOffsets& at, uint8_t* p);

// Reads the fields of one record of RiskStrategy::WireSize bytes; the scope
// is read up to its NUL or the end of its 2048 bytes, never further.
RiskRule parseRiskRule(const uint8_t* record);
inline RiskRule parseRiskRule(const RiskStrategy& strategy) {
    return parseRiskRule(strategy.raw.data());
}
// Writes every field into a zeroed record (the id at 0); the scope fills at
// most 2048 bytes and the summary at most 255, both cut on a whole character.
void writeRiskRule(const RiskRule& rule, uint8_t* record);
RiskStrategy toRiskStrategy(const RiskRule& rule);

// A GBK field's text cut to `maxBytes` on a whole character (UTF-8 in and out).
std::string cutToGbkBytes(const std::string& utf8, std::size_t maxBytes);
// The GBK length of a UTF-8 text.
std::size_t gbkLength(const std::string& utf8);

}  // namespace korvant
