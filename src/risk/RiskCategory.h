#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The rule categories: the nodes of the category trees, the pairs that share
// a node, and the captions of the editor.
namespace korvant {

inline constexpr int32_t AllCategories = -1;   // "所有规则"
inline constexpr int32_t ProductCategory = 2;  // "交易品种", edited by its own dialog
inline constexpr int32_t ForceCloseCategory = 14;
inline constexpr int32_t TimedForceCloseCategory = 15;
inline constexpr int32_t ProductRuleKind = 8;
inline constexpr int32_t TimedForceCloseKind = 31;

struct CategoryNode {
    const char* caption;
    int32_t category;  // AllCategories for the root
};

// The eleven nodes, "所有规则" first.
const std::vector<CategoryNode>& categoryNodes();

// The category a rule or catalogue entry belongs to: kind 31 is 15 whatever
// its category field says.
int32_t effectiveCategory(int32_t category, int32_t kind);

// The other number of a pair (4↔5, 8↔9, 10↔11, 12↔13); the category
// itself when it has none.
int32_t pairedCategory(int32_t category);

// Whether a rule of `category` and `kind` is listed under the tree node
// `node`: every rule under "所有规则", a node's own category, and for 4, 8,
// 10 and 12 also 5, 9, 11 and 13.
bool nodeListsRule(int32_t node, int32_t category, int32_t kind);

// Whether a catalogue entry is offered by the generic dialog of `category`:
// its effective category is the category or its pair.
bool dialogOffersKind(int32_t category, int32_t entryCategory, int32_t entryKind);

// The caption of the generic dialog of a category; empty for none.
std::string editorCaption(int32_t category);

}  // namespace korvant
