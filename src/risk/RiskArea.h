#pragma once

#include <cstdint>
#include <vector>

#include "risk/RiskRule.h"
#include "risk/RuleCatalogue.h"
#include "risk/WarehousePage.h"

// What the risk area keeps for the whole run: the warehouse page with the
// chosen tree node and the rule selected in it.
namespace korvant {

class Desk;

struct RiskArea {
    WarehousePage page;
    int32_t selectedRule = 0;  // id of the rule selected on the page; 0 none
};
RiskArea& riskArea(Desk& desk);

// The catalogue in the desk's folder, read anew each time (a missing file
// gives an empty one).
RuleCatalogue readRuleCatalogue(const Desk& desk);

// The cached warehouse rules owned by the logged-in administrator that the
// tree node lists, in cache order.
std::vector<RiskRule> ownRules(const Desk& desk, int32_t node);
// The cached rule with this id, whoever owns it.
bool cachedRule(const Desk& desk, int32_t id, RiskRule& out);
// A rule of the warehouse the desk lists: cached and owned by the
// logged-in administrator's group.
bool warehouseRule(const Desk& desk, int32_t id, RiskRule& out);

}  // namespace korvant
