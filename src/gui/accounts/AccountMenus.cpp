#include "gui/accounts/AccountMenus.h"

#include "gui/accounts/LinkedSubAccountsWindow.h"

namespace korvant::gui {

MenuTable accountMenuEntries() {
    using P = MenuPlace;
    using A = ActionCode;
    constexpr EnableRule group = EnableRule::GroupNode;
    constexpr EnableRule record = EnableRule::RecordRow;
    return {
        {P::System, "修改密码", A::ChangePassword},

        {P::GroupTree, "添加", A::AddGroup, group},
        {P::GroupTree, "修改", A::ModifyGroup, group},
        {P::GroupTree, "删除", A::DeleteGroup, group},
        {P::GroupTree, "刷新", A::RefreshGroups},

        {P::AdministratorList, "添加", A::AddAdministrator},
        {P::AdministratorList, "修改", A::ModifyAdministrator, record},
        {P::AdministratorList, "删除", A::DeleteAdministrator, record},

        {P::SubAccountList, "添加", A::AddSubAccount},
        {P::SubAccountList, "修改", A::ModifySubAccount, record},
        {P::SubAccountList, "删除", A::DeleteSubAccount, record},
        {P::SubAccountList, "出入金", A::SubAccountDeposit, record},
        {P::SubAccountList, "加载风控策略", A::LoadRiskStrategy, record, 2},
        {P::SubAccountList, "加载保证金率", A::LoadMarginTemplate, record},
        {P::SubAccountList, "加载手续费率", A::LoadFeeTemplate, record},

        {P::MainAccountList, "添加主账号", A::CreateMainAccount},
        {P::MainAccountList, "修改主账号", A::ModifyMainAccount, record},
        {P::MainAccountList, "删除主账号", A::DeleteMainAccount, record},
        {P::MainAccountList, "出入金", A::MainAccountDeposit, record},
        {P::MainAccountList, "加载风控策略", A::LoadRiskStrategy, record, 1},
        {P::MainAccountList, "显示关联的子账号", showLinkedSubAccounts, record},

        {P::MainAccountLinkList, "添加主账号", A::LinkMainAccount},
        {P::MainAccountLinkList, "删除主账号", A::UnlinkMainAccount, record},
        {P::MainAccountLinkList, "出入金", A::LinkDeposit, record},
    };
}

}  // namespace korvant::gui
