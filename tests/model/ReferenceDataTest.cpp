#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "model/ReferenceData.h"

namespace korvant {
namespace {

Group group(int id, int parentId, const std::string& name) {
    Group g;
    g.id = id;
    g.parentId = parentId;
    g.name = name;
    return g;
}

std::vector<std::pair<std::string, int>> walk(const ReferenceData& reference) {
    std::vector<std::pair<std::string, int>> out;
    for (const GroupTreeNode& node : reference.groupTree())
        out.emplace_back(node.group->name, node.depth);
    return out;
}

TEST(ReferenceData, GroupTreeFollowsParentIdsInCacheOrder) {
    ReferenceData reference;
    reference.groups.records = {group(1, 0, "root"), group(3, 1, "B"),   group(2, 1, "A"),
                                group(30, 3, "B1"),  group(20, 2, "A1"), group(31, 3, "B2")};
    EXPECT_EQ(walk(reference),
              (std::vector<std::pair<std::string, int>>{
                  {"root", 0}, {"B", 1}, {"B1", 2}, {"B2", 2}, {"A", 1}, {"A1", 2}}));
    ASSERT_NE(reference.rootGroup(), nullptr);
    EXPECT_EQ(reference.rootGroup()->name, "root");
    ASSERT_NE(reference.groupById(20), nullptr);
    EXPECT_EQ(reference.groupById(20)->name, "A1");
    EXPECT_EQ(reference.groupById(99), nullptr);
    auto children = reference.childrenOf(3);
    ASSERT_EQ(children.size(), 2u);
    EXPECT_EQ(children[1]->name, "B2");
}

TEST(ReferenceData, GroupTreeSurvivesHostileParentIds) {
    ReferenceData reference;
    // A group that is its own parent, a two-group cycle, an orphan whose
    // parent is missing (it becomes top-level), and a duplicated id.
    reference.groups.records = {group(5, 5, "self"),    group(6, 7, "c1"),  group(7, 6, "c2"),
                                group(8, 42, "orphan"), group(9, 8, "kid"), group(9, 8, "twin")};
    auto nodes = walk(reference);
    EXPECT_EQ(nodes,
              (std::vector<std::pair<std::string, int>>{{"orphan", 0}, {"kid", 1}, {"twin", 1}}));
    EXPECT_TRUE(reference.childrenOf(5).empty());
    EXPECT_EQ(reference.rootGroup()->name, "orphan");

    ReferenceData empty;
    EXPECT_TRUE(empty.groupTree().empty());
    EXPECT_EQ(empty.rootGroup(), nullptr);
}

TEST(ReferenceData, DeepChainDoesNotRecurse) {
    ReferenceData reference;
    const int depth = 50000;
    for (int i = 1; i <= depth; ++i) reference.groups.records.push_back(group(i, i - 1, "g"));
    auto nodes = reference.groupTree();
    ASSERT_EQ(nodes.size(), static_cast<std::size_t>(depth));
    EXPECT_EQ(nodes.back().depth, depth - 1);
}

}  // namespace
}  // namespace korvant
