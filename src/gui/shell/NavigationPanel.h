#pragma once

#include <QWidget>

#include <array>

#include "app/desk/ViewKind.h"
#include "gui/widgets/NodeTreeModel.h"

class QLabel;
class QPushButton;
class QTreeView;

namespace korvant::gui {

// The left panel: the administrator's account, the six view buttons and,
// below the button of the current view, that view's tree (groups, fee
// templates, margin templates, risk categories, report tree; the log view
// has none).
class NavigationPanel : public QWidget {
    Q_OBJECT
public:
    // Top to bottom.
    static constexpr std::array<ViewKind, 6> Views{ViewKind::Accounts,    ViewKind::FeeRates,
                                                   ViewKind::MarginRates, ViewKind::Risk,
                                                   ViewKind::Reports,     ViewKind::Logs};

    explicit NavigationPanel(QWidget* parent = nullptr);

    void setAccount(const QString& account);
    QString account() const;
    // Shows the buttons of the views that the permission mask offers.
    void setButtonShown(ViewKind view, bool shown);
    // Shows the tree of `view` under its button and hides the others.
    void setView(ViewKind view);
    ViewKind view() const { return view_; }

    QPushButton* button(ViewKind view) const;
    // The view's tree, null for the log view.
    QTreeView* tree(ViewKind view) const;
    NodeTreeModel* model(ViewKind view) const;

    // Replaces the nodes of a view's tree in one go and expands them all:
    // ExpandRowsPerTurn rows at once, the rest in later turns of the event
    // loop (laying out the 50 000 rows of a large report tree at once would
    // hold the window for a tenth of a second).
    static constexpr int ExpandRowsPerTurn = 10000;
    void fillTree(ViewKind view, NodeTreeModel::Builder&& nodes);
    // Whether a tree filled last is still being expanded.
    bool expanding(ViewKind view) const;

    // The node data of the chosen node of a view's tree, `fallback` without
    // one.
    int chosenNodeData(ViewKind view, int fallback) const;
    // Expands or collapses every child of the top-level nodes of a view's
    // tree (the toolbar's expand/collapse).
    void toggleExpansion(ViewKind view);

    QTreeView* groupTree() const { return tree(ViewKind::Accounts); }
    NodeTreeModel* groupModel() const { return model(ViewKind::Accounts); }
    QTreeView* reportTree() const { return tree(ViewKind::Reports); }
    NodeTreeModel* reportModel() const { return model(ViewKind::Reports); }

signals:
    void viewButtonClicked(korvant::ViewKind view);

private:
    struct Slot {
        QPushButton* button = nullptr;
        QTreeView* tree = nullptr;
        NodeTreeModel* model = nullptr;
        unsigned fill = 0;    // counts the fills; a later one ends an expansion
        int expandNext = -1;  // the next node to expand, -1 when done
    };
    const Slot& slot(ViewKind view) const;
    Slot& slot(ViewKind view);
    void expandFrom(ViewKind view, unsigned fill);

    QLabel* account_;
    std::array<Slot, Views.size()> slots_;
    QWidget* filler_;
    ViewKind view_ = ViewKind::None;
};

}  // namespace korvant::gui
