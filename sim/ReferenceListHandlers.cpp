#include <unordered_map>

#include "Dispatcher.h"
#include "Handlers.h"
#include "PageSizes.h"
#include "RecordWriters.h"
#include "protocol/CommandCode.h"

// The five reference lists that the desk loads after its login: groups,
// margin templates, fee templates, contract varieties and risk rules.
namespace korvant::sim {
namespace {

bool contains(const std::string& text, const std::string& keyword) {
    return keyword.empty() || text.find(keyword) != std::string::npos;
}

// Group list: a name filter of 32 bytes at 4 (a substring; empty = all),
// the page at 36.
Answer groupList(const Request& r, Context& c) {
    std::string filter = r.text(4, 32);
    std::vector<const Group*> hits;
    for (const auto& g : c.state.groups)
        if (contains(g.name, filter)) hits.push_back(&g);
    std::unordered_map<int32_t, int> counts;
    for (const auto& s : c.state.subAccounts) ++counts[s.groupId];
    return pageAnswer(cmd::GroupList, GroupRecordSize, page::Groups, r.i32(36),
                      static_cast<int>(hits.size()), [&](uint8_t* p, int i) {
                          const Group& g = *hits[static_cast<std::size_t>(i)];
                          auto it = counts.find(g.id);
                          writeGroup(p, g, it == counts.end() ? 0 : it->second);
                      });
}

// Template lists: a 64-byte name filter at 4 (the desk sends it empty), the
// page at 68.
Answer templateList(const Request& r, const std::vector<RateTemplate>& list) {
    std::string filter = r.text(4, 64);
    std::vector<const RateTemplate*> hits;
    for (const auto& t : list)
        if (contains(t.name, filter)) hits.push_back(&t);
    return pageAnswer(
        r.command(), TemplateRecordSize, page::Templates, r.i32(68), static_cast<int>(hits.size()),
        [&](uint8_t* p, int i) { writeTemplate(p, *hits[static_cast<std::size_t>(i)]); });
}

// Contract varieties: the page at 4; the three filter values that follow are
// always zero from the desk and select nothing here.
Answer varietyList(const Request& r, Context& c) {
    const auto& list = c.state.varieties;
    return pageAnswer(cmd::VarietyList, VarietyRecordSize, page::Varieties, r.i32(4),
                      static_cast<int>(list.size()), [&](uint8_t* p, int i) {
                          writeVariety(p, list[static_cast<std::size_t>(i)]);
                      });
}

// Risk rules visible from a group: those owned by the group itself or by a
// group above it. The root group, and 0 or below, see every rule.
Answer riskRuleList(const Request& r, Context& c) {
    int32_t owner = r.i32(4);
    std::vector<const RiskRule*> hits;
    for (const auto& rule : c.state.riskRules)
        if (owner <= 1 || c.state.isWithin(owner, rule.owner)) hits.push_back(&rule);
    return pageAnswer(cmd::RiskStrategyList, RiskRuleRecordSize, page::RiskRules, r.i32(8),
                      static_cast<int>(hits.size()), [&](uint8_t* p, int i) {
                          writeRiskRule(p, *hits[static_cast<std::size_t>(i)]);
                      });
}

}  // namespace

void addReferenceListHandlers(Dispatcher& d) {
    d.add({cmd::GroupList, 40, false, RefusalStyle::Result, groupList});
    d.add({cmd::MarginTemplateList, 72, false, RefusalStyle::Result,
           [](const Request& r, Context& c) { return templateList(r, c.state.marginTemplates); }});
    d.add({cmd::FeeTemplateList, 72, false, RefusalStyle::Result,
           [](const Request& r, Context& c) { return templateList(r, c.state.feeTemplates); }});
    d.add({cmd::VarietyList, 20, false, RefusalStyle::Result, varietyList});
    d.add({cmd::RiskStrategyList, 16, false, RefusalStyle::Result, riskRuleList});
}

}  // namespace korvant::sim
