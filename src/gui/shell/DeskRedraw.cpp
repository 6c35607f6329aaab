#include "gui/shell/DeskRedraw.h"

#include <QAction>
#include <QComboBox>
#include <QTabBar>
#include <QTreeView>

#include <algorithm>

#include "app/desk/Desk.h"
#include "app/lists/ReportTree.h"
#include "gui/shell/AccountListController.h"
#include "gui/shell/ActionHooks.h"
#include "gui/shell/ContentPanel.h"
#include "gui/shell/MenuBuilder.h"
#include "gui/shell/NavigationPanel.h"
#include "gui/shell/NavigationTrees.h"
#include "gui/shell/PagerBar.h"
#include "gui/shell/SearchBar.h"
#include "gui/shell/StatusPanel.h"
#include "gui/widgets/NodeTreeModel.h"
#include "gui/widgets/QtText.h"
#include "model/PageLabel.h"
#include "view/DeskView.h"

namespace korvant::gui {
DeskRedraw::DeskRedraw(DeskView& view, DrawnParts parts, std::function<void()> reportTreeStale)
    : view_(view), parts_(parts), reportTreeStale_(std::move(reportTreeStale)) {}

void DeskRedraw::change(DeskChange change) {
    switch (change) {
        case DeskChange::Session:
            session();
            break;
        case DeskChange::Groups:
            groupTree();
            break;
        case DeskChange::ReportTree:
            reportTreeStale_();
            break;
        case DeskChange::MarginTemplates:
        case DeskChange::FeeTemplates:
            templateTrees();
            break;
        case DeskChange::Varieties:
        case DeskChange::RiskStrategies:
            break;
        case DeskChange::AccountList:
            accountList();
            break;
        case DeskChange::PageLabel:
            pageLabel();
            break;
        case DeskChange::Tabs:
            tabs();
            break;
        case DeskChange::SearchRange:
            searchRange();
            break;
        case DeskChange::View:
            view();
            break;
        case DeskChange::ReportRows:
            break;
    }
}

void DeskRedraw::all() {
    session();
    groupTree();
    templateTrees();
    view();
    searchRange();
    statusRows();
}

void DeskRedraw::session() {
    const MainState& state = view_.state();
    NavigationPanel& navigation = parts_.navigation;
    navigation.setAccount(qs(view_.desk().session().account));
    struct Shown {
        ViewKind view;
        bool button;
        bool enabled;
    };
    const Shown views[] = {
        {ViewKind::Accounts, state.buttons.accounts, state.enable.accounts},
        {ViewKind::FeeRates, state.buttons.fee, state.enable.fee},
        {ViewKind::MarginRates, state.buttons.margin, state.enable.margin},
        {ViewKind::Risk, state.buttons.risk, state.enable.risk},
        {ViewKind::Reports, state.buttons.reports, state.enable.reports},
        {ViewKind::Logs, state.buttons.logs, state.enable.logs},
    };
    for (const Shown& shown : views) {
        navigation.setButtonShown(shown.view, shown.button);
        parts_.menus.viewAction(shown.view)->setEnabled(shown.enabled);
    }
    parts_.hooks.refresh();
}

void DeskRedraw::view() {
    Scope scope(*this);
    const MainState& state = view_.state();
    parts_.navigation.setView(state.view);
    parts_.content.showView(state.view, state.strip, state.shownList);
    if (state.statusTextShown)
        parts_.status.showText();
    else
        parts_.status.showList();
    tabs();
    pageLabel();
}

void DeskRedraw::tabs() {
    Scope scope(*this);
    const MainState& state = view_.state();
    parts_.content.twoTabStrip()->setCurrentIndex(state.twoTabIndex);
    parts_.content.threeTabStrip()->setCurrentIndex(state.threeTabIndex);
    parts_.content.showView(state.view, state.strip, state.shownList);
    accountList();
}

void DeskRedraw::accountList() {
    Scope scope(*this);
    parts_.lists.redraw();
}

void DeskRedraw::pageLabel() {
    const MainState& state = view_.state();
    PagerBar* pager = parts_.content.pager();
    pager->setLabel(qs(pageLabelText(state.labelPage, state.labelTotal)));
    // The page field follows the pages the buttons turn to.
    pager->setPage(static_cast<int>(std::min<int64_t>(state.labelPage, INT32_MAX)));
}

void DeskRedraw::searchRange() {
    Scope scope(*this);
    const MainState& state = view_.state();
    SearchBar* bar = parts_.content.searchBar();
    const SearchRangeEntry* group = nullptr;
    for (const SearchRangeEntry& entry : state.searchRange)
        if (entry.groupId != -1) group = &entry;
    if (group != nullptr)
        bar->setRange(qs(group->caption), group->groupId);
    else
        bar->setRange(QString(), -1);
    if (state.searchRangeIndex >= 0 && state.searchRangeIndex < bar->rangeCombo()->count())
        bar->rangeCombo()->setCurrentIndex(state.searchRangeIndex);
}

void DeskRedraw::statusRows() {
    parts_.status.setRows(view_.desk().statusList().rows());
}

void DeskRedraw::groupTree() {
    Scope scope(*this);
    NavigationPanel& navigation = parts_.navigation;
    navigation.fillTree(ViewKind::Accounts, groupTreeNodes(view_.desk().reference()));
    // Keep the current group highlighted.
    const int current = view_.state().group.id;
    NodeTreeModel* model = navigation.groupModel();
    for (int node = 0; node < model->nodeCount(); ++node)
        if (model->node(node).data == current) {
            navigation.groupTree()->setCurrentIndex(model->indexOfNode(node));
            break;
        }
}

void DeskRedraw::templateTrees() {
    Scope scope(*this);
    const ReferenceData& reference = view_.desk().reference();
    NavigationPanel& navigation = parts_.navigation;
    navigation.fillTree(ViewKind::FeeRates, feeTemplateTreeNodes(reference));
    navigation.fillTree(ViewKind::MarginRates, marginTemplateTreeNodes(reference));
    if (navigation.model(ViewKind::Risk)->nodeCount() == 0)
        navigation.fillTree(ViewKind::Risk, riskCategoryTreeNodes());
}

}  // namespace korvant::gui
