#include "app/lists/ReportTree.h"

#include <algorithm>
#include <utility>

#include "app/desk/Desk.h"
#include "app/exchange/DeskPagedQuery.h"
#include "app/exchange/Exchange.h"
#include "app/exchange/PageProgress.h"
#include "app/lists/AccountListRequests.h"
#include "model/ListAnswer.h"
#include "model/PagedQuery.h"
#include "protocol/CommandCode.h"
#include "protocol/Gbk.h"
#include "protocol/Packet.h"

namespace korvant {
namespace {

// The progress of the whole tree: the window opens once more than a few
// pages were read, names the group being read and the sub-accounts so far,
// and lets the user stop after the current page.
struct TreeProgress {
    explicit TreeProgress(FrontEndPort& port) : window(port, "查询报表树") {}

    bool step() {
        if (pages <= ProgressMinPages) return !window.stopped();
        return window.step(textf("查询报表树  第 %d/%d 组  %d 个子账号", group, groups, accounts),
                           group, groups);
    }

    PageProgress window;
    int groups = 0;    // second-level groups
    int group = 0;     // the one being read, from 1
    int pages = 0;     // pages read so far
    int accounts = 0;  // sub-accounts read so far
};

// Appends one node per sub-account of `groupId`, reading every page. False
// when the pages could not be read whole (its message shown) or the user
// stopped the read.
bool loadSubAccounts(Desk& desk, int groupId, std::vector<ReportTreeNode>& into,
                     TreeProgress& progress) {
    PagedQuery query;
    query.command = cmd::SubAccountList;
    query.recordSize = SubAccount::WireSize;
    query.writeRequest = [groupId](int page, uint8_t* buffer, int capacity) {
        return writeSubAccountListRequest(groupId, SearchFilter{}, page, buffer, capacity);
    };
    useCustomerCaps(query);
    query.parsePage = [&into, &progress](const uint8_t* packet, int length) {
        const ListPage page = parseListPage(packet, length, SubAccount::WireSize);
        // The tree shows the number only: the other fields are not decoded.
        // The number is the record's first field (as in SubAccount::fromWire).
        // (No reserve per page: the array grows geometrically, an exact
        // reserve per page would copy it whole on every page.)
        for (int i = 0; i < page.count; ++i)
            into.push_back(ReportTreeNode{
                readPlainText(page.records + static_cast<std::size_t>(i) * SubAccount::WireSize,
                              16),
                -1,
                {}});
        ++progress.pages;
        progress.accounts += page.count;
    };
    query.pageRead = [&progress](int, int) { return progress.step(); };
    return runDeskPagedQuery(desk, std::move(query)) && progress.step();
}

// Deeper nesting than this (only a server answering a chain of parents
// could send it) is flattened at this depth, so that building and freeing the
// tree never recurse without bound.
constexpr int MaxTreeDepth = 64;

}  // namespace

std::vector<ReportTreeNode> loadReportTree(Desk& desk) {
    std::vector<ReportTreeNode> roots;
    // After a group whose sub-accounts could not be read, no more are asked
    // for: one message, not one per group.
    bool reading = true;
    // The children vector of each open level; a level's vector only
    // grows while nothing deeper is open, so the pointers stay valid.
    std::vector<std::vector<ReportTreeNode>*> levels{&roots};
    TreeProgress progress(desk.port());
    for (const GroupTreeNode& entry : desk.reference().groupTree())
        if (entry.group->groupCode.size() == 4) ++progress.groups;
    for (const GroupTreeNode& entry : desk.reference().groupTree()) {
        const Group& group = *entry.group;
        std::size_t depth = static_cast<std::size_t>(std::min(entry.depth, MaxTreeDepth));
        depth = std::min(depth, levels.size() - 1);
        levels.resize(depth + 1);
        levels[depth]->push_back(ReportTreeNode{group.name, group.id, {}});
        ReportTreeNode& node = levels[depth]->back();
        if (reading && group.groupCode.size() == 4) {
            ++progress.group;
            reading = loadSubAccounts(desk, group.id, node.children, progress);
        }
        levels.push_back(&node.children);
    }
    return roots;
}

const std::vector<ReportTreeNode>& reportTree(Desk& desk) {
    ReportTreeState& state = keptState(desk.states().reportTree);
    if (!state.loaded) {
        state.roots = loadReportTree(desk);
        state.loaded = true;
    }
    return state.roots;
}

bool reportTreeLoaded(const Desk& desk) {
    return desk.states().reportTree && desk.states().reportTree->loaded;
}

void markReportTreeStale(Desk& desk) {
    ReportTreeState& state = keptState(desk.states().reportTree);
    state.loaded = false;
    state.roots.clear();
    desk.notify(DeskChange::ReportTree);
}

int countNodes(const std::vector<ReportTreeNode>& nodes) {
    int count = 0;
    for (const ReportTreeNode& node : nodes) count += 1 + countNodes(node.children);
    return count;
}

}  // namespace korvant
