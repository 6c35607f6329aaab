#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/ReferenceData.h"
#include "templates/TemplateKind.h"

// The tree of a template kind: the root "Korvant平台", under it every group
// of the group cache with a two-character code, under each group the cached
// templates of that group by name. Templates whose code names no such group
// are left out. The tree is built from the caches whenever they change.
namespace korvant {

enum class TemplateNodeType { Root, Group, Template };

struct TemplateNode {
    TemplateNodeType type = TemplateNodeType::Root;
    std::string text;
    std::string groupCode;   // empty for the root
    int32_t templateId = 0;  // 0 for the root and the groups
    std::vector<TemplateNode> children;
};

TemplateNode buildTemplateTree(const ReferenceData& reference, const TemplateKind& kind);

// What a tree pop-up offers.
enum class TemplateCommand { Add, Import, Rename, Delete, Export };

struct TemplateMenuEntry {
    const char* caption;
    TemplateCommand command;
};

// Group node: "添加", "导入"; template node: "修改", "删除", "导出"; the root
// has no pop-up.
std::vector<TemplateMenuEntry> templateNodeMenu(TemplateNodeType type);

// The node of a group code and template id in the tree, or null.
const TemplateNode* findTemplateNode(const TemplateNode& root, const std::string& groupCode,
                                     int32_t templateId);

}  // namespace korvant
