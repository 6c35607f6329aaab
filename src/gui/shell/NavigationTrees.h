#pragma once

#include <vector>

#include "app/lists/ReportTree.h"
#include "gui/widgets/NodeTreeModel.h"
#include "model/ReferenceData.h"

namespace korvant::gui {

// The nodes of the navigation trees, read from the core's caches.

// Groups under their parent groups, in cache order; node data = group id.
NodeTreeModel::Builder groupTreeNodes(const ReferenceData& reference);

// The report tree as the core loaded it: groups (data = group id) and
// their sub-accounts (data -1).
NodeTreeModel::Builder reportTreeNodes(const std::vector<ReportTreeNode>& roots);

// "Korvant平台", under it the first-level groups (data 0), under each the
// templates whose group code is the group's (data = template id).
NodeTreeModel::Builder feeTemplateTreeNodes(const ReferenceData& reference);
NodeTreeModel::Builder marginTemplateTreeNodes(const ReferenceData& reference);

// "所有规则" (-1) and under it the rule categories by their numbers.
NodeTreeModel::Builder riskCategoryTreeNodes();

}  // namespace korvant::gui
