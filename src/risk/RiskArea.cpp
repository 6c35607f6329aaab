#include "risk/RiskArea.h"

#include "app/desk/Desk.h"
#include "risk/RiskCategory.h"
#include "risk/RuleSummary.h"
#include "text/NumberText.h"

namespace korvant {

RiskArea& riskArea(Desk& desk) {
    return keptState(desk.states().risk);
}

RuleCatalogue readRuleCatalogue(const Desk& desk) {
    return RuleCatalogue::read(desk.filePath(RuleCatalogueFileName));
}

std::vector<RiskRule> ownRules(const Desk& desk, int32_t node) {
    std::vector<RiskRule> out;
    const int32_t owner = desk.session().ownGroupId;
    for (const RiskStrategy& s : desk.reference().riskStrategies.records) {
        RiskRule rule = parseRiskRule(s);
        if (rule.owner == owner && nodeListsRule(node, rule.category, rule.kind))
            out.push_back(std::move(rule));
    }
    return out;
}

bool cachedRule(const Desk& desk, int32_t id, RiskRule& out) {
    for (const RiskStrategy& s : desk.reference().riskStrategies.records) {
        RiskRule rule = parseRiskRule(s);
        if (rule.id == id) {
            out = std::move(rule);
            return true;
        }
    }
    return false;
}

bool warehouseRule(const Desk& desk, int32_t id, RiskRule& out) {
    return cachedRule(desk, id, out) && out.owner == desk.session().ownGroupId;
}

const std::vector<ReportColumn>& WarehousePage::columns() const {
    static const std::vector<ReportColumn> columns = {{"序号", 60}, {"名称", 420}, {"备注", 420}};
    return columns;
}

std::vector<std::string> WarehousePage::cells(int row) const {
    if (row < 0 || row >= rowCount()) return {};
    const auto r = static_cast<std::size_t>(row);
    return {formatInt(rows_[r].id), rows_[r].summary, notes_[r]};
}

bool WarehousePage::showPage(Desk& desk, int page) {
    if (page != 0) return false;
    refresh(desk);
    return !rows_.empty();
}

void WarehousePage::refresh(Desk& desk) {
    const RuleCatalogue catalogue = readRuleCatalogue(desk);
    rows_ = ownRules(desk, node);
    notes_.clear();
    for (const RiskRule& rule : rows_) notes_.push_back(ruleNote(rule, catalogue));
}

}  // namespace korvant
