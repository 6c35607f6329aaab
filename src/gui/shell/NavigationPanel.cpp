#include "gui/shell/NavigationPanel.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

#include "gui/shell/AccessKeys.h"
#include "gui/shell/MenuBuilder.h"
#include "gui/widgets/NodeTreeModel.h"

namespace korvant::gui {
namespace {

QTreeView* makeTree(QWidget* parent, NodeTreeModel* model) {
    auto* tree = new QTreeView(parent);
    tree->setModel(model);
    tree->setHeaderHidden(true);
    // Names cut in the middle, so that "第1组" and "第10组" stay apart.
    tree->setTextElideMode(Qt::ElideMiddle);
    tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree->setSelectionMode(QAbstractItemView::SingleSelection);
    // All rows have the same height: the view need not measure 50 000 of
    // them to lay out the tree.
    tree->setUniformRowHeights(true);
    tree->setContextMenuPolicy(Qt::CustomContextMenu);
    tree->hide();
    return tree;
}

}  // namespace

NavigationPanel::NavigationPanel(QWidget* parent)
    : QWidget(parent), account_(new QLabel(this)), filler_(new QWidget(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(1);
    account_->setObjectName(QStringLiteral("accountLabel"));
    account_->setTextFormat(Qt::PlainText);
    account_->setAlignment(Qt::AlignCenter);
    account_->setMinimumHeight(24);
    layout->addWidget(account_);
    for (std::size_t i = 0; i < Views.size(); ++i) {
        ViewKind view = Views[i];
        Slot& s = slots_[i];
        // Alt and the view's number: the navigation's buttons take digits,
        // so that the letters stay with the menus and the pages.
        s.button = new QPushButton(
            withAccessKey(viewCaption(view), QLatin1Char(static_cast<char>('1' + i))), this);
        s.button->setCheckable(true);
        s.button->setAutoDefault(false);
        s.button->setFixedHeight(22);
        s.button->hide();
        layout->addWidget(s.button);
        connect(s.button, &QPushButton::clicked, this, [this, view] {
            // The checked look follows the view, not the click.
            setView(view_);
            emit viewButtonClicked(view);
        });
        if (view != ViewKind::Logs) {
            s.model = new NodeTreeModel(this);
            s.tree = makeTree(this, s.model);
            layout->addWidget(s.tree, 1);
        }
    }
    layout->addWidget(filler_, 1);
    setMinimumWidth(160);
}

void NavigationPanel::setAccount(const QString& account) {
    account_->setText(account);
}

QString NavigationPanel::account() const {
    return account_->text();
}

const NavigationPanel::Slot& NavigationPanel::slot(ViewKind view) const {
    for (std::size_t i = 0; i < Views.size(); ++i)
        if (Views[i] == view) return slots_[i];
    static const Slot none;
    return none;
}

NavigationPanel::Slot& NavigationPanel::slot(ViewKind view) {
    for (std::size_t i = 0; i < Views.size(); ++i)
        if (Views[i] == view) return slots_[i];
    static Slot none;
    none = Slot{};
    return none;
}

void NavigationPanel::setButtonShown(ViewKind view, bool shown) {
    if (QPushButton* b = slot(view).button) b->setVisible(shown);
}

void NavigationPanel::setView(ViewKind view) {
    view_ = view;
    bool treeShown = false;
    for (std::size_t i = 0; i < Views.size(); ++i) {
        const Slot& s = slots_[i];
        bool current = Views[i] == view;
        s.button->setChecked(current);
        if (s.tree != nullptr) {
            s.tree->setVisible(current);
            treeShown = treeShown || current;
        }
    }
    filler_->setVisible(!treeShown);
}

void NavigationPanel::fillTree(ViewKind view, NodeTreeModel::Builder&& nodes) {
    Slot& s = slot(view);
    if (s.tree == nullptr) return;
    ++s.fill;
    // One model reset and one layout of the top-level nodes; the expansion
    // follows parents first, so that every node expanded is already shown.
    s.tree->setUpdatesEnabled(false);
    s.model->reset(std::move(nodes));
    s.tree->doItemsLayout();
    s.tree->setUpdatesEnabled(true);
    s.expandNext = 0;
    expandFrom(view, s.fill);
}

bool NavigationPanel::expanding(ViewKind view) const {
    return slot(view).expandNext >= 0;
}

void NavigationPanel::expandFrom(ViewKind view, unsigned fill) {
    Slot& s = slot(view);
    if (s.tree == nullptr || s.fill != fill || s.expandNext < 0) return;
    const int count = s.model->nodeCount();
    int rows = 0;
    int next = s.expandNext;
    while (next < count && rows < ExpandRowsPerTurn) {
        const NodeTreeModel::Node& node = s.model->node(next);
        if (!node.children.empty()) {
            s.tree->expand(s.model->indexOfNode(next));
            rows += static_cast<int>(node.children.size());
        }
        ++next;
    }
    s.expandNext = next < count ? next : -1;
    if (s.expandNext >= 0)
        QTimer::singleShot(0, this, [this, view, fill] { expandFrom(view, fill); });
}

QPushButton* NavigationPanel::button(ViewKind view) const {
    return slot(view).button;
}

QTreeView* NavigationPanel::tree(ViewKind view) const {
    return slot(view).tree;
}

NodeTreeModel* NavigationPanel::model(ViewKind view) const {
    return slot(view).model;
}

int NavigationPanel::chosenNodeData(ViewKind view, int fallback) const {
    QTreeView* shown = tree(view);
    const QModelIndex current = shown != nullptr ? shown->currentIndex() : QModelIndex();
    if (!current.isValid()) return fallback;
    return static_cast<int>(current.data(NodeTreeModel::NodeDataRole).toLongLong());
}

void NavigationPanel::toggleExpansion(ViewKind view) {
    QTreeView* shown = tree(view);
    if (shown == nullptr) return;
    // The user's toggle ends an expansion still under way.
    slot(view).expandNext = -1;
    for (const QModelIndex& child : model(view)->childrenOfTopLevel())
        shown->setExpanded(child, !shown->isExpanded(child));
}

}  // namespace korvant::gui
