#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "model/PagedQuery.h"
#include "model/ReferenceData.h"

// The five reference lists: their request writers, the paged queries that
// fill the caches, and the texts shown while they run.
namespace korvant {

class ServerConnection;

enum class ReferenceList { Groups, MarginTemplates, FeeTemplates, Varieties, RiskStrategies };

// Request sizes.
inline constexpr int GroupListRequestSize = 40;
inline constexpr int TemplateListRequestSize = 72;
inline constexpr int VarietyListRequestSize = 20;
inline constexpr int RiskStrategyListRequestSize = 16;

// Command 94: a group-name filter (at most 31 bytes; empty at start-up) and
// the page.
int writeGroupListRequest(std::string_view nameFilter, int page, uint8_t* buffer, int capacity);
// Commands 40 and 41: an all-zero 64-byte filter and the page.
int writeMarginTemplateListRequest(int page, uint8_t* buffer, int capacity);
int writeFeeTemplateListRequest(int page, uint8_t* buffer, int capacity);
// Command 42: the page and three zero filter values.
int writeVarietyListRequest(int page, uint8_t* buffer, int capacity);
// Command 90: the administrator's own group id, the page and 0.
int writeRiskStrategyListRequest(int32_t ownGroupId, int page, uint8_t* buffer, int capacity);

// The text the progress window shows before a list is queried:
// "查询组列表", "查询保证金模板", "查询手续费模板", "查询合约品种", "查询风控策略".
const char* initialQueryText(ReferenceList list);
// The printf format of the running count while a list pages in, and the
// formatted text: "查询组列表%d", "查询保证金率模板%d", "查询手续费率模板%d",
// "查询合约品种%d", "查询风控策略%d".
inline constexpr const char* GroupProgressFormat = "查询组列表%d";
inline constexpr const char* MarginTemplateProgressFormat = "查询保证金率模板%d";
inline constexpr const char* FeeTemplateProgressFormat = "查询手续费率模板%d";
inline constexpr const char* VarietyProgressFormat = "查询合约品种%d";
inline constexpr const char* RiskStrategyProgressFormat = "查询风控策略%d";
const char* progressFormat(ReferenceList list);
std::string progressText(ReferenceList list, int cachedCount);
// The message when the request cannot be built ("  组包出错!! " for the
// groups, " 组包出错!!" for the others), and when nothing is received.
const char* buildFailureText(ReferenceList list);
inline constexpr const char* QueryDisconnectedText = "  与服务器断开了!";

// The paged query of one list: empties its cache, then reads every page
// into it. `progress` gets the number of records cached after each page.
using CountProgress = std::function<void(int cachedCount)>;
PagedQueryResult queryGroups(const Exchange& exchange, ReferenceData& reference,
                             const CountProgress& progress = {});
PagedQueryResult queryMarginTemplates(const Exchange& exchange, ReferenceData& reference,
                                      const CountProgress& progress = {});
PagedQueryResult queryFeeTemplates(const Exchange& exchange, ReferenceData& reference,
                                   const CountProgress& progress = {});
PagedQueryResult queryVarieties(const Exchange& exchange, ReferenceData& reference,
                                const CountProgress& progress = {});
PagedQueryResult queryRiskStrategies(const Exchange& exchange, ReferenceData& reference,
                                     int32_t ownGroupId, const CountProgress& progress = {});
// Any one of the five (the risk strategies with `ownGroupId`).
PagedQueryResult queryReferenceList(ReferenceList list, const Exchange& exchange,
                                    ReferenceData& reference, int32_t ownGroupId,
                                    const CountProgress& progress = {});

// Any one of the five over the server connection.
PagedQueryResult queryReferenceList(ReferenceList list, ServerConnection& connection,
                                    ReferenceData& reference, int32_t ownGroupId,
                                    const CountProgress& progress = {});

}  // namespace korvant
