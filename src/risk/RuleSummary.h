#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "risk/RiskRule.h"
#include "risk/RuleCatalogue.h"

// The one-line summary of a rule, as stored with it (offset 2096) and shown
// in every list of rules, and the description the warehouse page rebuilds
// from the record ("备注").
namespace korvant {

// Products and window of a category-2 summary together take at most this
// many bytes; every summary at most RuleSummaryBytes - 1 (its NUL).
inline constexpr std::size_t ProductSummaryBytes = 237;
inline constexpr std::size_t SummaryTextBytes = RuleSummaryBytes - 1;

// "[09:00-11:30]" for a window; empty when start and end are both 0.
std::string windowPrefix(int32_t start, int32_t end);
// "全部品种" for an empty scope, "cu等品种" for "cu|al", else the scope.
std::string productScopeName(const std::string& scope);
// "全部交易所", "上期 等交易所" for "@SHFE|@DCE", "上期所" for "@SHFE".
std::string exchangeScopeName(const std::string& scope);

// Category 2: window prefix, the products each followed by ";" within 237
// bytes (the last ";" dropped), ",禁止开仓", ",禁止平仓"; a name replaces
// it all.
std::string productRuleSummary(const RiskRule& rule, const std::string& name = {});

// The kind's text: the template (or the fixed texts of kinds 29 and 30 with
// parameter 1 at 0), the scope's name for "Contract" or else "Exchange", the
// parameters, the window prefix. With `typed` each "参数n" becomes the text
// typed into its field; without, the number when above 0 (parameter 1 of
// kinds 29 and 30 always), else the word stays. The kinds list of the editor
// shows the templates as they are (`fixedKinds` off).
std::string kindText(const std::string& templateText, const RiskRule& rule,
                     const std::array<std::string, 6>* typed = nullptr, bool fixedKinds = true);

// The kind's text followed by ",禁止开仓", ",禁止平仓", ",每%d分钟发送风险通知"
// and ",强平所有持仓数量的%d%" as set; a name replaces it all. Cut to 255
// bytes on a whole character.
std::string ruleSummary(const std::string& templateText, const RiskRule& rule,
                        const std::array<std::string, 6>* typed, const std::string& name = {});

// "备注" of the warehouse page: the description rebuilt from the record
// (category 2 without a name, other categories from the catalogue entry of
// the same category and kind); empty when it equals the stored summary.
std::string ruleNote(const RiskRule& rule, const RuleCatalogue& catalogue);

}  // namespace korvant
