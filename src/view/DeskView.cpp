#include "view/DeskView.h"

#include "app/lists/AccountListPage.h"
#include "app/session/Permissions.h"
#include "view/ViewNavigation.h"
#include "view/ViewPaging.h"
#include "view/WindowActions.h"

namespace korvant {

namespace {

constexpr AccountList ShownLists[] = {AccountList::MainAccounts, AccountList::Administrators,
                                      AccountList::MainAccountLinks, AccountList::SubAccounts};

}  // namespace

DeskView::DeskView(Desk& desk) : desk_(desk) {
    registerNavigationActions(*this);
    registerAdministratorListActions(*this);
    registerGroupTreeActions(*this);
    registerSubAccountListActions(*this);
    registerMainAccountListActions(*this);
    registerDepositListActions(*this);
    registerTemplateViewActions(*this);
    registerRiskViewActions(*this);
    registerReportViewActions(*this);
    desk.setListRequery([this](AccountList list, ListRequery how) {
        return requeryShownAccountList(*this, list, how);
    });
    for (AccountList list : ShownLists)
        accountListPage(desk, list).setPageQuery([this, list](int page) {
            return showAccountList(*this, list, page);
        });
    // Before the window draws a change: the enable flags follow the
    // session's permissions, the pager label the list on screen.
    observer_ = desk.subscribe([this](DeskChange change) {
        if (change == DeskChange::Session) {
            const uint32_t mask = desk_.session().permissionMask;
            state_.buttons = viewButtons(mask);
            state_.enable = viewMenuEnable(mask);
        } else if (change == DeskChange::PageLabel) {
            setPageLabel(*this);
        }
    });
}

DeskView::~DeskView() {
    desk_.unsubscribe(observer_);
    desk_.setListRequery({});
    for (AccountList list : ShownLists) accountListPage(desk_, list).setPageQuery({});
}

}  // namespace korvant
