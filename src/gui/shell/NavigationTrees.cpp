#include "gui/shell/NavigationTrees.h"

#include "templates/TemplateTree.h"

namespace korvant::gui {
namespace {

// Adds the group tree.
void addGroups(NodeTreeModel::Builder& builder, const ReferenceData& reference) {
    std::vector<GroupTreeNode> walk = reference.groupTree();
    builder.reserve(builder.size() + walk.size());
    // The last node added at each depth: the parent of the next deeper one.
    std::vector<int> path;
    for (const GroupTreeNode& entry : walk) {
        path.resize(static_cast<std::size_t>(entry.depth));
        int parent = path.empty() ? -1 : path.back();
        int node = builder.add(parent, entry.group->name, entry.group->id);
        path.push_back(node);
    }
}

// The template tree as the core builds it; node data = template id (0 for
// the root and the groups).
NodeTreeModel::Builder templateTree(const ReferenceData& reference, const TemplateKind& kind) {
    NodeTreeModel::Builder builder;
    const TemplateNode tree = buildTemplateTree(reference, kind);
    int root = builder.add(-1, tree.text, 0);
    for (const TemplateNode& group : tree.children) {
        int node = builder.add(root, group.text, 0);
        for (const TemplateNode& t : group.children) builder.add(node, t.text, t.templateId);
    }
    return builder;
}

}  // namespace

NodeTreeModel::Builder groupTreeNodes(const ReferenceData& reference) {
    NodeTreeModel::Builder builder;
    addGroups(builder, reference);
    return builder;
}

NodeTreeModel::Builder reportTreeNodes(const std::vector<ReportTreeNode>& roots) {
    NodeTreeModel::Builder builder;
    builder.reserve(static_cast<std::size_t>(countNodes(roots)));
    // Depth first without recursion: a deep tree cannot exhaust the stack.
    std::vector<std::pair<const ReportTreeNode*, int>> stack;
    for (auto it = roots.rbegin(); it != roots.rend(); ++it) stack.emplace_back(&*it, -1);
    while (!stack.empty()) {
        auto [node, parent] = stack.back();
        stack.pop_back();
        int index = builder.add(parent, node->text, node->data);
        for (auto it = node->children.rbegin(); it != node->children.rend(); ++it)
            stack.emplace_back(&*it, index);
    }
    return builder;
}

NodeTreeModel::Builder feeTemplateTreeNodes(const ReferenceData& reference) {
    return templateTree(reference, feeKind());
}

NodeTreeModel::Builder marginTemplateTreeNodes(const ReferenceData& reference) {
    return templateTree(reference, marginKind());
}

NodeTreeModel::Builder riskCategoryTreeNodes() {
    NodeTreeModel::Builder builder;
    int all = builder.add(-1, "所有规则", -1);
    const std::pair<const char*, int> categories[] = {
        {"交易品种", 2}, {"交易方向", 3}, {"交易数量", 4}, {"不活跃合约", 6}, {"风险度", 7},
        {"权益", 8},     {"亏损", 10},    {"保证金", 12},  {"强平", 14},      {"定时强平", 15}};
    for (const auto& [caption, category] : categories) builder.add(all, caption, category);
    return builder;
}

}  // namespace korvant::gui
