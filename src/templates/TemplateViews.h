#pragma once

#include <optional>

#include "templates/RatePage.h"
#include "templates/TemplateKind.h"
#include "templates/TemplateTree.h"

// What the desk keeps of each template view for the whole run: the rate
// page, the tree node chosen and the row chosen in the rate list. The front
// ends keep the two choices current, as they do for the account lists.
namespace korvant {

class Desk;

struct ChosenNode {
    TemplateNodeType type = TemplateNodeType::Root;
    std::string groupCode;
    int32_t templateId = 0;
};

struct TemplateView {
    explicit TemplateView(const TemplateKind& kind) : page(kind) {}
    RatePage page;
    std::optional<ChosenNode> node;
    int selectedRow = -1;
};

struct TemplateViews {
    TemplateView fee{feeKind()};
    TemplateView margin{marginKind()};
};

TemplateView& templateView(Desk& desk, const TemplateKind& kind);

}  // namespace korvant
