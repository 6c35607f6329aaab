#include "model/ReferenceData.h"

#include <cstddef>
#include <unordered_map>
#include <unordered_set>

namespace korvant {

const Group* ReferenceData::groupById(int id) const {
    for (const Group& g : groups.records)
        if (g.id == id) return &g;
    return nullptr;
}

std::vector<const Group*> ReferenceData::topLevelGroups() const {
    std::unordered_set<int> ids;
    ids.reserve(groups.records.size());
    for (const Group& g : groups.records) ids.insert(g.id);
    std::vector<const Group*> top;
    for (const Group& g : groups.records)
        if (ids.count(g.parentId) == 0) top.push_back(&g);
    return top;
}

const Group* ReferenceData::rootGroup() const {
    auto top = topLevelGroups();
    return top.empty() ? nullptr : top.front();
}

std::vector<const Group*> ReferenceData::childrenOf(int id) const {
    std::vector<const Group*> children;
    for (const Group& g : groups.records)
        if (g.parentId == id && g.id != id) children.push_back(&g);
    return children;
}

std::vector<GroupTreeNode> ReferenceData::groupTree() const {
    const auto& all = groups.records;
    // Children by parent id, in cache order, built once.
    std::unordered_map<int, std::vector<std::size_t>> children;
    std::unordered_set<int> ids;
    for (std::size_t i = 0; i < all.size(); ++i) {
        ids.insert(all[i].id);
        if (all[i].parentId != all[i].id) children[all[i].parentId].push_back(i);
    }
    std::vector<GroupTreeNode> out;
    out.reserve(all.size());
    std::vector<bool> visited(all.size(), false);
    // Explicit stack of (index, depth); children pushed in reverse so they
    // come out in cache order.
    std::vector<std::pair<std::size_t, int>> stack;
    for (std::size_t t = all.size(); t-- > 0;)
        if (ids.count(all[t].parentId) == 0) stack.emplace_back(t, 0);
    while (!stack.empty()) {
        auto [index, depth] = stack.back();
        stack.pop_back();
        if (visited[index]) continue;
        visited[index] = true;
        out.push_back({&all[index], depth});
        auto it = children.find(all[index].id);
        if (it == children.end()) continue;
        for (std::size_t c = it->second.size(); c-- > 0;) {
            std::size_t child = it->second[c];
            if (!visited[child]) stack.emplace_back(child, depth + 1);
        }
    }
    return out;
}

void ReferenceData::clear() {
    groups.clear();
    marginTemplates.clear();
    feeTemplates.clear();
    varieties.clear();
    riskStrategies.clear();
}

}  // namespace korvant
