#include "SimState.h"

#include <algorithm>

namespace korvant::sim {

const Group* SimState::group(int32_t id) const {
    // The index is used when the lists' reads have built it; a change does
    // not pay for building it.
    if (auto it = indexes_.groupById.find(id);
        it != indexes_.groupById.end() && it->second < groups.size() && groups[it->second].id == id)
        return &groups[it->second];
    // Not indexed yet (added by the running request): look it up.
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
    if (auto it = indexes_.subAccountByNumber.find(number);
        indexes_.subAccountCount == subAccounts.size() && it != indexes_.subAccountByNumber.end() &&
        it->second < subAccounts.size() && subAccounts[it->second].number == number)
        return &subAccounts[it->second];
    // Not indexed yet (added by the running request), or not there.
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

void SimState::dropIndexes() const {
    indexes_ = Indexes{};
}

// A list that grew or shrank without a request (a data set being made, a
// record added by the running request) is indexed again.
void SimState::indexGroups() const {
    Indexes& x = indexes_;
    if (x.groupCount == groups.size()) return;
    x.groupCount = groups.size();
    x.within.clear();
    x.groupById.clear();
    x.childGroups.clear();
    for (uint32_t i = 0; i < groups.size(); ++i) {
        x.groupById.emplace(groups[i].id, i);
        if (groups[i].parentId != groups[i].id)
            x.childGroups[groups[i].parentId].push_back(groups[i].id);
    }
}

void SimState::indexSubAccounts() const {
    Indexes& x = indexes_;
    if (x.subAccountCount == subAccounts.size()) return;
    x.subAccountCount = subAccounts.size();
    x.within.clear();
    x.subAccountsByGroup.clear();
    x.subAccountByNumber.clear();
    for (uint32_t i = 0; i < subAccounts.size(); ++i) {
        x.subAccountsByGroup[subAccounts[i].groupId].push_back(i);
        x.subAccountByNumber.emplace(subAccounts[i].number, i);
    }
}

void SimState::indexMainAccounts() const {
    Indexes& x = indexes_;
    if (x.mainAccountCount == mainAccounts.size()) return;
    x.mainAccountCount = mainAccounts.size();
    x.within.clear();
    x.mainAccountsByGroup.clear();
    for (uint32_t i = 0; i < mainAccounts.size(); ++i)
        x.mainAccountsByGroup[mainAccounts[i].groupId].push_back(i);
}

void SimState::indexDeposits() const {
    Indexes& x = indexes_;
    if (x.depositCount == deposits.size()) return;
    x.depositCount = deposits.size();
    x.depositsByDate.resize(deposits.size());
    for (uint32_t i = 0; i < deposits.size(); ++i) x.depositsByDate[i] = i;
    std::stable_sort(
        x.depositsByDate.begin(), x.depositsByDate.end(),
        [this](uint32_t a, uint32_t b) { return deposits[a].date < deposits[b].date; });
}

const std::vector<uint32_t>& SimState::subAccountsOfGroup(int32_t groupId) const {
    static const std::vector<uint32_t> none;
    indexSubAccounts();
    auto it = indexes_.subAccountsByGroup.find(groupId);
    return it == indexes_.subAccountsByGroup.end() ? none : it->second;
}

const std::vector<uint32_t>& SimState::mainAccountsOfGroup(int32_t groupId) const {
    static const std::vector<uint32_t> none;
    indexMainAccounts();
    auto it = indexes_.mainAccountsByGroup.find(groupId);
    return it == indexes_.mainAccountsByGroup.end() ? none : it->second;
}

const std::vector<uint32_t>& SimState::depositsByDate() const {
    indexDeposits();
    return indexes_.depositsByDate;
}

const std::vector<uint32_t>& SimState::positionsWithin(int32_t ancestor,
                                                       bool subAccountsList) const {
    indexGroups();
    if (subAccountsList)
        indexSubAccounts();
    else
        indexMainAccounts();
    // Kept until the lists change: a list read page by page asks once a page.
    const auto key = std::make_pair(ancestor, subAccountsList);
    if (auto it = indexes_.within.find(key); it != indexes_.within.end()) return it->second;
    std::vector<uint32_t>& out = indexes_.within[key];
    if (group(ancestor) == nullptr) return out;
    // The tree has three levels; the depth bound only guards against a cycle.
    std::vector<int32_t> level{ancestor}, next;
    int lists = 0;
    for (int depth = 0; depth < 8 && !level.empty(); ++depth) {
        next.clear();
        for (int32_t id : level) {
            const auto& own = subAccountsList ? subAccountsOfGroup(id) : mainAccountsOfGroup(id);
            if (!own.empty()) {
                out.insert(out.end(), own.begin(), own.end());
                ++lists;
            }
            if (auto it = indexes_.childGroups.find(id); it != indexes_.childGroups.end())
                next.insert(next.end(), it->second.begin(), it->second.end());
        }
        level.swap(next);
    }
    if (lists > 1) {
        std::sort(out.begin(), out.end());
        out.erase(std::unique(out.begin(), out.end()), out.end());
    }
    return out;
}

}  // namespace korvant::sim
