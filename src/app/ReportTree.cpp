#include "app/ReportTree.h"

#include <algorithm>
#include <utility>

#include "app/AccountListRequests.h"
#include "app/Desk.h"
#include "app/DeskPagedQuery.h"
#include "model/ListAnswer.h"
#include "model/PagedQuery.h"
#include "protocol/CommandCode.h"
#include "protocol/Packet.h"

namespace korvant {
namespace {

// Appends one node per sub-account of `groupId`, reading every page. False
// when the pages could not be read whole (its message shown).
bool loadSubAccounts(Desk& desk, int groupId, std::vector<ReportTreeNode>& into) {
    PagedQuery query;
    query.command = cmd::SubAccountList;
    query.recordSize = SubAccount::WireSize;
    query.writeRequest = [groupId](int page, uint8_t* buffer, int capacity) {
        return writeSubAccountListRequest(groupId, SearchFilter{}, page, buffer, capacity);
    };
    query.parsePage = [&into](const uint8_t* packet, int length) {
        const ListPage page = parseListPage(packet, length, SubAccount::WireSize);
        for (int i = 0; i < page.count; ++i)
            into.push_back(
                ReportTreeNode{SubAccount::fromWire(page.records + static_cast<std::size_t>(i) *
                                                                       SubAccount::WireSize)
                                   .account,
                               -1,
                               {}});
    };
    return runDeskPagedQuery(desk, std::move(query));
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
    for (const GroupTreeNode& entry : desk.reference().groupTree()) {
        const Group& group = *entry.group;
        std::size_t depth = static_cast<std::size_t>(std::min(entry.depth, MaxTreeDepth));
        depth = std::min(depth, levels.size() - 1);
        levels.resize(depth + 1);
        levels[depth]->push_back(ReportTreeNode{group.name, group.id, {}});
        ReportTreeNode& node = levels[depth]->back();
        if (reading && group.groupCode.size() == 4)
            reading = loadSubAccounts(desk, group.id, node.children);
        levels.push_back(&node.children);
    }
    return roots;
}

int countNodes(const std::vector<ReportTreeNode>& nodes) {
    int count = 0;
    for (const ReportTreeNode& node : nodes) count += 1 + countNodes(node.children);
    return count;
}

}  // namespace korvant
