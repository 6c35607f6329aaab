#include "Dispatcher.h"
#include "Handlers.h"
#include "PageSizes.h"
#include "RecordWriters.h"
#include "protocol/CommandCode.h"

// The four account lists of a group (administrators, main accounts of a
// first-level group, main-account links of a second-level group,
// sub-accounts) and the group id of a group code. Group id -1 stands for
// every group; keywords match as substrings, the opening date exactly.
namespace korvant::sim {
namespace {

bool contains(const std::string& text, const std::string& keyword) {
    return keyword.empty() || text.find(keyword) != std::string::npos;
}

// Which group ids a list query selects: -1 every group, otherwise the
// group and the groups below it.
class GroupSelection {
public:
    GroupSelection(const SimState& state, int32_t selected)
        : all_(selected == -1), within_(all_ ? std::vector<bool>() : state.subtree(selected)) {}
    bool has(int32_t id) const {
        return all_ || (id >= 0 && static_cast<std::size_t>(id) < within_.size() &&
                        within_[static_cast<std::size_t>(id)]);
    }

private:
    bool all_;
    std::vector<bool> within_;
};

template <class T>
Answer listOf(uint8_t command, int recordSize, int pageSize, int page,
              const std::vector<const T*>& hits, void (*write)(uint8_t*, const T&)) {
    return pageAnswer(command, recordSize, pageSize, page, static_cast<int>(hits.size()),
                      [&](uint8_t* p, int i) { write(p, *hits[static_cast<std::size_t>(i)]); });
}

// The positions of a list read whole (group -1).
const std::vector<uint32_t> NoPositions;

// One page of `all` through an index: every record for group -1, else the
// records at `positions`. Writes only the page's records.
template <class T, class Write>
Answer indexedPage(uint8_t command, int recordSize, int pageSize, int page,
                   const std::vector<T>& all, int32_t groupId,
                   const std::vector<uint32_t>& positions, Write write) {
    if (groupId == -1)
        return pageAnswer(command, recordSize, pageSize, page, static_cast<int>(all.size()),
                          [&](uint8_t* p, int i) { write(p, all[static_cast<std::size_t>(i)]); });
    return pageAnswer(
        command, recordSize, pageSize, page, static_cast<int>(positions.size()),
        [&](uint8_t* p, int i) { write(p, all[positions[static_cast<std::size_t>(i)]]); });
}

// Administrators: group id 4, account 8, password 24, number 40, text 44
// (the administrator's name), page 76, category flags 80. The group id
// selects the administrators of exactly that group.
Answer administratorList(const Request& r, Context& c) {
    int32_t groupId = r.i32(4);
    std::string account = r.text(8, 16);
    std::string password = r.text(24, 16);
    std::string name = (r.u8(80) & 0x08) ? r.text(44, 32) : std::string();
    std::vector<const Administrator*> hits;
    for (const auto& a : c.state.administrators) {
        if (groupId != -1 && a.groupId != groupId) continue;
        if (contains(a.account, account) && contains(a.password, password) &&
            contains(a.name, name))
            hits.push_back(&a);
    }
    const SimState& state = c.state;
    return pageAnswer(cmd::AdministratorList, AdministratorRecordSize, page::Administrators,
                      r.i32(76), static_cast<int>(hits.size()), [&](uint8_t* p, int i) {
                          writeAdministrator(p, *hits[static_cast<std::size_t>(i)], state);
                      });
}

// Main accounts of a first-level group: group id 4, account keyword 8,
// page 24.
Answer mainAccountList(const Request& r, Context& c) {
    int32_t groupId = r.i32(4);
    std::string account = r.text(8, 16);
    if (account.empty())
        return indexedPage<MainAccount>(
            cmd::MainAccountList, MainAccountRecordSize, page::MainAccounts, r.i32(24),
            c.state.mainAccounts, groupId, c.state.positionsWithin(groupId, false),
            [](uint8_t* p, const MainAccount& m) { writeMainAccount(p, m); });
    GroupSelection selection(c.state, groupId);
    std::vector<const MainAccount*> hits;
    for (const auto& m : c.state.mainAccounts)
        if (selection.has(m.groupId) && contains(m.account, account)) hits.push_back(&m);
    return listOf(cmd::MainAccountList, MainAccountRecordSize, page::MainAccounts, r.i32(24), hits,
                  writeMainAccount);
}

// Main accounts linked to a second-level group: group id 4, page 8.
Answer linkList(const Request& r, Context& c) {
    int32_t groupId = r.i32(4);
    std::vector<const MainAccountLink*> hits;
    for (const auto& l : c.state.links)
        if (groupId == -1 || l.groupId == groupId) hits.push_back(&l);
    return listOf(cmd::MainAccountLinks, LinkRecordSize, page::Links, r.i32(8), hits, writeLink);
}

// Sub-accounts: group id 4, account 8, password 24, opening date 40, remark
// 44, page 76, category flags 80. A group selects its own sub-accounts and
// those of the groups below it.
Answer subAccountList(const Request& r, Context& c) {
    int32_t groupId = r.i32(4);
    std::string account = r.text(8, 16);
    std::string password = r.text(24, 16);
    uint8_t flags = r.u8(80);
    int32_t date = (flags & 0x10) ? r.i32(40) : 0;
    std::string remark = r.text(44, 32);
    const SimState& state = c.state;
    auto write = [&state](uint8_t* p, const SubAccount& s) { writeSubAccount(p, s, state); };
    // Without keywords a page is read through the group index.
    if (date == 0 && account.empty() && password.empty() && remark.empty())
        return indexedPage<SubAccount>(
            cmd::SubAccountList, SubAccountRecordSize, page::SubAccounts, r.i32(76),
            state.subAccounts, groupId,
            groupId == -1 ? NoPositions : state.positionsWithin(groupId, true), write);
    GroupSelection selection(c.state, groupId);
    std::vector<const SubAccount*> hits;
    for (const auto& s : c.state.subAccounts) {
        if (!selection.has(s.groupId)) continue;
        if (date != 0 && s.openingDate != date) continue;
        if (!contains(s.password, password) || !contains(s.remark, remark)) continue;
        if (!account.empty() && !contains(std::to_string(s.number), account)) continue;
        hits.push_back(&s);
    }
    return pageAnswer(cmd::SubAccountList, SubAccountRecordSize, page::SubAccounts, r.i32(76),
                      static_cast<int>(hits.size()), [&](uint8_t* p, int i) {
                          writeSubAccount(p, *hits[static_cast<std::size_t>(i)], state);
                      });
}

// The id of the group with a code: the code at 4; the answer carries the id
// at 4.
Answer groupIdOfCode(const Request& r, Context& c) {
    std::string code = r.text(4, 16);
    const Group* g = c.state.findGroupByCode(code);
    if (g == nullptr) return refusal("组 " + code + " 不存在");
    return valueAnswer(cmd::GroupIdOfCode, g->id);
}

}  // namespace

void addAccountListHandlers(Dispatcher& d) {
    d.add({cmd::AdministratorList, 85, false, RefusalStyle::Result, administratorList});
    d.add({cmd::MainAccountList, 36, false, RefusalStyle::Result, mainAccountList});
    d.add({cmd::MainAccountLinks, 12, false, RefusalStyle::Result, linkList});
    d.add({cmd::SubAccountList, 98, false, RefusalStyle::Result, subAccountList});
    d.add({cmd::GroupIdOfCode, 20, false, RefusalStyle::Result, groupIdOfCode});
}

}  // namespace korvant::sim
