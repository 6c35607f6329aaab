#include "gui/templates/TemplateViews.h"

#include <QMenu>
#include <QTreeView>

#include "app/desk/Desk.h"
#include "gui/shell/ContentPanel.h"
#include "gui/shell/MainWindow.h"
#include "gui/shell/NavigationPanel.h"
#include "gui/templates/RateListView.h"
#include "gui/widgets/NodeTreeModel.h"
#include "templates/TemplateOperations.h"
#include "templates/TemplateTree.h"

namespace korvant::gui {
namespace {

// The core's node behind a node of the tree on screen: both trees are
// built from the same caches in the same order, so the rows lead to it.
std::optional<ChosenNode> chosenNode(Desk& desk, const TemplateKind& kind, QModelIndex index) {
    if (!index.isValid()) return std::nullopt;
    std::vector<int> rows;
    for (; index.isValid(); index = index.parent()) rows.insert(rows.begin(), index.row());
    const TemplateNode tree = buildTemplateTree(desk.reference(), kind);
    const TemplateNode* node = &tree;
    for (std::size_t depth = 1; depth < rows.size(); ++depth) {
        const auto row = static_cast<std::size_t>(rows[depth]);
        if (row >= node->children.size()) return std::nullopt;
        node = &node->children[row];
    }
    return ChosenNode{node->type, node->groupCode, node->templateId};
}

void installKind(MainWindow& window, const TemplateKind& kind) {
    Desk& desk = window.desk();
    auto* list = new RateListView(desk, kind, *window.hooks());
    window.content()->setViewPage(kind.view, list);

    QTreeView* tree = window.navigation()->tree(kind.view);
    MainWindow* w = &window;
    QObject::connect(tree->selectionModel(), &QItemSelectionModel::currentChanged, list,
                     [w, &desk, &kind](const QModelIndex& current) {
                         if (w->drawing()) return;
                         std::optional<ChosenNode> node = chosenNode(desk, kind, current);
                         if (node) w->callCore([&] { chooseTemplateNode(desk, kind, *node); });
                     });
    QObject::connect(
        tree, &QWidget::customContextMenuRequested, list, [w, tree, &desk, &kind](QPoint pos) {
            QModelIndex index = tree->indexAt(pos);
            if (!index.isValid()) return;
            tree->setCurrentIndex(index);
            std::optional<ChosenNode> node = chosenNode(desk, kind, index);
            if (!node) return;
            const std::vector<TemplateMenuEntry> entries = templateNodeMenu(node->type);
            if (entries.empty()) return;
            auto* menu = new QMenu(tree);
            menu->setAttribute(Qt::WA_DeleteOnClose);
            for (const TemplateMenuEntry& entry : entries) {
                QAction* action = menu->addAction(menuCaption(entry.caption));
                const TemplateCommand command = entry.command;
                QObject::connect(action, &QAction::triggered, menu, [w, &desk, &kind, command] {
                    w->callCore([&] { runTemplateCommand(desk, kind, command); });
                });
            }
            menu->popup(tree->viewport()->mapToGlobal(pos));
        });
}

}  // namespace

void installTemplateViews(MainWindow& window) {
    installKind(window, feeKind());
    installKind(window, marginKind());
}

}  // namespace korvant::gui
