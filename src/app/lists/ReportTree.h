#pragma once

#include <string>
#include <vector>

// The report tree of the navigation panel: the groups under their parents
// and, under every second-level group, one node per sub-account. The core
// loads it; the front end draws it.
namespace korvant {

class Desk;

struct ReportTreeNode {
    std::string text;  // group name or sub-account number
    int data = -1;     // group id; -1 for a sub-account
    std::vector<ReportTreeNode> children;
};

// Builds the tree from the group cache and loads the sub-accounts of every
// second-level group page by page (command 4, empty filter). A request that
// cannot be built ("  组包出错!! ") or a lost connection ("  与服务器断开了!")
// ends the program; sub-accounts that cannot be read whole are reported
// once and no more are asked for. Once more than a few pages were read the
// progress window names the group being read; when the user stops there,
// the tree holds what was read (the refresh command reads it again). The
// sub-account cache (the list on screen) is not touched.
std::vector<ReportTreeNode> loadReportTree(Desk& desk);

// The tree the desk keeps for the run. It is loaded on first use and then
// only again after `markReportTreeStale`: the refresh command and changes
// to groups or sub-accounts; a view switch or a redraw uses the kept tree.
struct ReportTreeState {
    std::vector<ReportTreeNode> roots;
    bool loaded = false;
};

// The kept tree; loads it (`loadReportTree`) when it is not loaded.
const std::vector<ReportTreeNode>& reportTree(Desk& desk);

// Whether the kept tree is loaded (nothing is sent).
bool reportTreeLoaded(const Desk& desk);

// Drops the kept tree and tells the front ends (DeskChange::ReportTree) so
// that the one showing it asks for it again.
void markReportTreeStale(Desk& desk);

// Number of nodes in a tree (all levels).
int countNodes(const std::vector<ReportTreeNode>& nodes);

}  // namespace korvant
