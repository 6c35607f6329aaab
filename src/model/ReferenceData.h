#pragma once

#include <vector>

#include "model/ContractVariety.h"
#include "model/Group.h"
#include "model/RateTemplate.h"
#include "model/RecordCache.h"
#include "model/RiskStrategy.h"

// The five reference lists held for the whole run, and the group tree read
// from the group cache.
namespace korvant {

// One node of a depth-first walk of the group tree.
struct GroupTreeNode {
    const Group* group = nullptr;
    int depth = 0;  // 0 for a top-level group
};

struct ReferenceData {
    RecordCache<Group> groups;
    RecordCache<MarginTemplate> marginTemplates;
    RecordCache<FeeTemplate> feeTemplates;
    RecordCache<ContractVariety> varieties;
    RecordCache<RiskStrategy> riskStrategies;

    // The first group in cache order with this id, or null.
    const Group* groupById(int id) const;
    // Groups whose parent id matches no group id of the cache, in cache
    // order. The first of them is the root.
    std::vector<const Group*> topLevelGroups() const;
    const Group* rootGroup() const;
    // Groups whose parent id is `id`, in cache order (a group that names
    // itself as its parent is not its own child).
    std::vector<const Group*> childrenOf(int id) const;
    // Depth-first walk from the top-level groups, children in cache order.
    // Every group appears at most once, so a cycle of parent ids cannot
    // make it endless; groups reachable only through a cycle are left out.
    std::vector<GroupTreeNode> groupTree() const;

    void clear();
};

}  // namespace korvant
