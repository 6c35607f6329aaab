#include "app/ReportTree.h"

#include <algorithm>
#include <utility>

#include "app/AccountListRequests.h"
#include "app/Desk.h"
#include "app/Exchange.h"
#include "model/ListAnswer.h"
#include "model/PagedQuery.h"
#include "protocol/CommandCode.h"
#include "protocol/Packet.h"

namespace korvant {
namespace {

// Appends one node per sub-account of `groupId`, reading every page.
void loadSubAccounts(Desk& desk, int groupId, std::vector<ReportTreeNode>& into) {
    std::vector<uint8_t> buffer(PacketBufferSize, 0);
    RecordCache<SubAccount>& cache = desk.accounts().subAccounts;
    int page = 0;
    for (int asked = 0; asked < MaxQueryPages; ++asked) {
        int length = writeSubAccountListRequest(groupId, SearchFilter{}, page, buffer.data(),
                                                static_cast<int>(buffer.size()));
        int received = exchange(desk, buffer.data(), length, buffer);
        if (received <= 0) return;
        if (!isListAnswer(buffer.data(), received, cmd::SubAccountList)) {
            // A refusal shows its text; anything else ends this group.
            decodeAnswer(desk.router(), buffer.data(), received);
            return;
        }
        if (decodeAnswer(desk.router(), buffer.data(), received) != 0) return;
        for (const SubAccount& account : cache.records)
            into.push_back(ReportTreeNode{account.account, -1, {}});
        const int index = cache.cursor.last;
        if (index < page || index >= cache.cursor.total - 1) return;
        page = index + 1;
    }
}

// Deeper nesting than this (only a server answering a chain of parents
// could send it) is flattened at this depth, so that building and freeing the
// tree never recurse without bound.
constexpr int MaxTreeDepth = 64;

}  // namespace

std::vector<ReportTreeNode> loadReportTree(Desk& desk) {
    std::vector<ReportTreeNode> roots;
    // The list on screen reads the sub-account cache: keep its page.
    RecordCache<SubAccount> kept = desk.accounts().subAccounts;
    try {
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
            if (group.groupCode.size() == 4) loadSubAccounts(desk, group.id, node.children);
            levels.push_back(&node.children);
        }
    } catch (...) {
        desk.accounts().subAccounts = std::move(kept);
        throw;
    }
    desk.accounts().subAccounts = std::move(kept);
    return roots;
}

int countNodes(const std::vector<ReportTreeNode>& nodes) {
    int count = 0;
    for (const ReportTreeNode& node : nodes) count += 1 + countNodes(node.children);
    return count;
}

}  // namespace korvant
