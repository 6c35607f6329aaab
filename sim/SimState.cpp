#include "SimState.h"

#include <algorithm>

namespace korvant::sim {

const Group* SimState::group(int32_t id) const {
    for (const auto& g : groups)
        if (g.id == id) return &g;
    return nullptr;
}

Group* SimState::findGroup(int32_t id) {
    return const_cast<Group*>(group(id));
}

Group* SimState::findGroupByCode(const std::string& code) {
    for (auto& g : groups)
        if (g.code == code) return &g;
    return nullptr;
}

Administrator* SimState::findAdministrator(const std::string& account) {
    for (auto& a : administrators)
        if (a.account == account) return &a;
    return nullptr;
}

MainAccount* SimState::findMainAccount(const std::string& account) {
    for (auto& m : mainAccounts)
        if (m.account == account) return &m;
    return nullptr;
}

MainAccountLink* SimState::findLink(const std::string& mainAccount, int32_t groupId) {
    for (auto& l : links)
        if (l.groupId == groupId && l.mainAccount == mainAccount) return &l;
    return nullptr;
}

SubAccount* SimState::findSubAccount(int32_t number) {
    for (auto& s : subAccounts)
        if (s.number == number) return &s;
    return nullptr;
}

const RateTemplate* SimState::findTemplate(const std::vector<RateTemplate>& list,
                                           int32_t id) const {
    for (const auto& t : list)
        if (t.id == id) return &t;
    return nullptr;
}

RateTemplate* SimState::findTemplate(std::vector<RateTemplate>& list, int32_t id) {
    for (auto& t : list)
        if (t.id == id) return &t;
    return nullptr;
}

RateRow RateTemplate::rowOf(const ContractVariety& contract) const {
    if (auto it = contracts.find(contract.contract); it != contracts.end()) return it->second;
    for (const auto& r : rates)
        if (r.product == contract.product) return r.row;
    return {};
}

bool SimState::isWithin(int32_t id, int32_t ancestor) const {
    // The tree has three levels; the bound only guards against a cycle.
    for (int step = 0; step < 8; ++step) {
        if (id == ancestor) return true;
        const Group* g = group(id);
        if (g == nullptr || g->parentId == g->id) return false;
        id = g->parentId;
    }
    return false;
}

std::vector<bool> SimState::subtree(int32_t ancestor) const {
    int32_t maxId = 0;
    for (const auto& g : groups) maxId = std::max(maxId, g.id);
    std::vector<bool> within(static_cast<std::size_t>(maxId) + 1, false);
    for (const auto& g : groups)
        if (g.id >= 0 && isWithin(g.id, ancestor)) within[static_cast<std::size_t>(g.id)] = true;
    return within;
}

std::string SimState::groupName(int32_t id) const {
    const Group* g = group(id);
    return g ? g->name : std::string();
}

int SimState::countSubAccountsBelow(int32_t firstLevelId) const {
    std::vector<int32_t> children;
    for (const auto& g : groups)
        if (g.parentId == firstLevelId && g.id != firstLevelId) children.push_back(g.id);
    int count = 0;
    for (const auto& s : subAccounts)
        for (int32_t id : children)
            if (s.groupId == id) {
                ++count;
                break;
            }
    return count;
}

}  // namespace korvant::sim
