#include "gui/shell/AccountListController.h"

#include <QAction>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMenu>

#include "app/desk/Desk.h"
#include "app/lists/AccountListPage.h"
#include "app/lists/AccountListSort.h"
#include "gui/shell/AccountListView.h"
#include "gui/shell/ActionHooks.h"
#include "gui/shell/ContentPanel.h"
#include "gui/shell/MenuBuilder.h"
#include "gui/widgets/ReportTable.h"
#include "view/DeskView.h"
#include "view/ListSelection.h"

namespace korvant::gui {
namespace {

struct ListWiring {
    AccountList list;
    MenuPlace menu;
    // Double-click modifies the record where the list has a modify action.
    std::optional<ActionCode> doubleClick;
};

constexpr ListWiring Lists[] = {
    {AccountList::MainAccounts, MenuPlace::MainAccountList, {}},
    {AccountList::Administrators, MenuPlace::AdministratorList, ActionCode::ModifyAdministrator},
    {AccountList::MainAccountLinks, MenuPlace::MainAccountLinkList, {}},
    {AccountList::SubAccounts, MenuPlace::SubAccountList, ActionCode::ModifySubAccount},
};

}  // namespace

AccountListController::AccountListController(DeskView& view, ContentPanel& content,
                                             ActionHooks& hooks, const MenuBuilder& menus,
                                             Runner run, QWidget* window)
    : QObject(window), view_(view), content_(content), hooks_(hooks), run_(std::move(run)) {
    for (const ListWiring& wiring : Lists) {
        AccountListView* list = content_.list(wiring.list);
        setUpReportTable(*list, accountListPage(view_.desk(), wiring.list));
        connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                [this] { storeSelection(); });
        QMenu* menu = menus.menu(wiring.menu);
        const bool mainAccounts = wiring.menu == MenuPlace::MainAccountList ||
                                  wiring.menu == MenuPlace::MainAccountLinkList;
        connect(list, &QTableView::customContextMenuRequested, this,
                [this, list, menu, mainAccounts](QPoint pos) {
                    // The main-account menus are not offered on the root group.
                    if (mainAccounts && view_.state().group.id == 1) return;
                    storeSelection();
                    menu->popup(list->viewport()->mapToGlobal(pos));
                });
        // A click on a header sorts the cache where the list's area sorts it.
        connect(list->horizontalHeader(), &QHeaderView::sectionClicked, this,
                [this, which = wiring.list](int column) {
                    run_([&] { sortAccountList(view_.desk(), which, column); });
                });
        // Enter and Delete run the list's "修改" and "删除" where its pop-up
        // has them, as the pop-up would (with their questions).
        const auto runEntry = [this, menu, mainAccounts](const QString& verb) {
            if (mainAccounts && view_.state().group.id == 1) return;
            storeSelection();
            if (!hasSelectedRecord()) return;
            for (QAction* action : menu->actions())
                if (plainCaption(action->text()).startsWith(verb)) {
                    if (action->isEnabled()) action->trigger();
                    return;
                }
        };
        setListKeys(
            *list, [runEntry] { runEntry(QStringLiteral("修改")); },
            [runEntry] { runEntry(QStringLiteral("删除")); });
        if (wiring.doubleClick)
            connect(list, &QTableView::doubleClicked, this, [this, code = *wiring.doubleClick] {
                if (hooks_.available(code) && hasSelectedRecord()) hooks_.trigger(code, {});
            });
    }
}

void AccountListController::redraw() {
    MainState& state = view_.state();
    AccountListView* list = content_.list(state.shownList);
    std::vector<int> kept;
    if (list != nullptr) {
        list->draw(accountListPage(view_.desk(), state.shownList));
        const AccountListSort sort = accountListSort(view_.desk(), state.shownList);
        showSortIndicator(*list, sort.column, sort.ascending);
        kept = list->selectedRecordRows();
        content_.showView(state.view, state.strip, state.shownList);
    }
    state.selectedRows = std::move(kept);
    hooks_.refresh();
}

void AccountListController::storeSelection() {
    MainState& state = view_.state();
    state.selectedRows.clear();
    AccountListView* list = content_.list(state.shownList);
    if (list != nullptr) state.selectedRows = list->selectedRecordRows();
    hooks_.refresh();
}

bool AccountListController::hasSelectedRecord() const {
    return !view_.state().selectedRows.empty();
}

}  // namespace korvant::gui
