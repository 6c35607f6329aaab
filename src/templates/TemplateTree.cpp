#include "templates/TemplateTree.h"

namespace korvant {

TemplateNode buildTemplateTree(const ReferenceData& reference, const TemplateKind& kind) {
    TemplateNode root;
    root.type = TemplateNodeType::Root;
    root.text = "Korvant平台";
    const std::vector<RateTemplate> templates = cachedTemplates(reference, kind);
    for (const Group& g : reference.groups.records) {
        if (g.groupCode.size() != 2) continue;
        TemplateNode group;
        group.type = TemplateNodeType::Group;
        group.text = g.name;
        group.groupCode = g.groupCode;
        for (const RateTemplate& t : templates) {
            if (t.groupCode != g.groupCode) continue;
            TemplateNode node;
            node.type = TemplateNodeType::Template;
            node.text = t.name;
            node.groupCode = t.groupCode;
            node.templateId = t.id;
            group.children.push_back(std::move(node));
        }
        root.children.push_back(std::move(group));
    }
    return root;
}

std::vector<TemplateMenuEntry> templateNodeMenu(TemplateNodeType type) {
    switch (type) {
        case TemplateNodeType::Group:
            return {{"添加", TemplateCommand::Add}, {"导入", TemplateCommand::Import}};
        case TemplateNodeType::Template:
            return {{"修改", TemplateCommand::Rename},
                    {"删除", TemplateCommand::Delete},
                    {"导出", TemplateCommand::Export}};
        case TemplateNodeType::Root:
            break;
    }
    return {};
}

const TemplateNode* findTemplateNode(const TemplateNode& root, const std::string& groupCode,
                                     int32_t templateId) {
    if (root.groupCode == groupCode && root.templateId == templateId) return &root;
    for (const TemplateNode& child : root.children)
        if (const TemplateNode* hit = findTemplateNode(child, groupCode, templateId)) return hit;
    return nullptr;
}

}  // namespace korvant
