#include "app/session/Permissions.h"

#include "app/desk/Desk.h"

namespace korvant {

const std::array<const char*, perm::Count>& permissionCaptions() {
    static const std::array<const char*, perm::Count> captions = {
        "添加子账号",     "修改子账号", "删除子账号",   "新建组和管理员", "修改组和管理员",
        "删除组和管理员", "出入金",     "修改保证金率", "修改手续费率",   "编辑风控",
        "报表管理权限",   "结算权限",   "登录监控",     "查看日志",       "使用监控强平",
        "使用监控开仓",   "新建主账号", "修改主账号",   "删除主账号",     "修改持仓记录",
    };
    return captions;
}

namespace {

struct GateRow {
    uint32_t bit;
    const char* text;
};

GateRow gateRow(GatedOperation op) {
    using G = GatedOperation;
    switch (op) {
        case G::AddAdministrator:
            return {perm::AddGroupAndAdmin, "你没有添加管理员的权限。"};
        case G::ModifyAdministrator:
            return {perm::ModifyGroupAndAdmin, "你没有修改管理员的权限。"};
        case G::DeleteAdministrator:
            return {perm::DeleteGroupAndAdmin, "你没有删除管理员的权限。"};
        case G::AddGroup:
            return {perm::AddGroupAndAdmin, "  没有权限添加新组"};
        case G::ModifyGroup:
            return {perm::ModifyGroupAndAdmin, "  没有权限修改组"};
        case G::AddSubAccount:
            return {perm::AddSubAccount, "  没有权限添加新用户"};
        case G::ModifySubAccount:
            return {perm::ModifySubAccount, "你没有修改子账号的权限。"};
        case G::DeleteSubAccount:
            return {perm::DeleteSubAccount, "你没有删除子账号的权限。"};
        case G::AddMainAccount:
            return {perm::AddSubAccount, "  没有权限添加主账户"};
        case G::DeleteMainAccount:
            return {perm::DeleteGroupAndAdmin, "  没有删除主账号的权限"};
        case G::Deposit:
            return {perm::Deposit, "  没有权限出入金"};
        case G::ModifyMarginRates:
            return {perm::MarginRates, "  没有权限修改保证金率"};
        case G::ImportMarginRates:
            return {perm::MarginRates, "  没有权限导入保证金"};
        case G::ExportMarginRates:
            return {perm::MarginRates, "  没有权限导出保证金"};
        case G::ModifyFeeRates:
            return {perm::FeeRates, "  没有权限修改手续费"};
        case G::ImportFeeRates:
            return {perm::FeeRates, "  没有权限导入手续费"};
        case G::ExportFeeRates:
            return {perm::FeeRates, "  没有权限导出手续费"};
        case G::AddRiskStrategy:
            return {perm::RiskControl, "  没有权限添加风控模板"};
        case G::ModifyRiskStrategy:
            return {perm::RiskControl, "  没有权限修改风控策略"};
        case G::DeleteRiskStrategy:
            return {perm::RiskControl, "  没有权限删除风控策略"};
        case G::LoadRiskStrategy:
            return {perm::RiskControl, "  没有权限加载风控策略"};
        case G::AddRiskRule:
            return {perm::RiskControl, "没有添加风控规则的权限。  "};
        case G::ModifyRiskRule:
            return {perm::RiskControl, "你没有修改风控规则的权限。  "};
        case G::DeleteRiskRule:
            return {perm::RiskControl, "没有删除风控规则的权限。  "};
        case G::Settlement:
            return {perm::Settlement, "  没有结算权限"};
        case G::ModifyPositions:
            return {perm::ModifyPositions, "你没有修改持仓记录的权限。"};
    }
    // An operation outside the table is never allowed.
    return {0, ""};
}

}  // namespace

uint32_t requiredBit(GatedOperation op) {
    return gateRow(op).bit;
}

const char* refusalText(GatedOperation op) {
    return gateRow(op).text;
}

Message refusalMessage(GatedOperation op) {
    const bool error =
        op == GatedOperation::DeleteAdministrator || op == GatedOperation::DeleteSubAccount;
    return Message{refusalText(op), "提示", error ? MessageIcon::Error : MessageIcon::Information};
}

bool allowed(uint32_t mask, GatedOperation op) {
    uint32_t bit = requiredBit(op);
    return bit != 0 && (mask & bit) != 0;
}

bool gate(FrontEndPort& port, uint32_t mask, GatedOperation op) {
    if (allowed(mask, op)) return true;
    port.showMessage(refusalMessage(op));
    return false;
}

bool gate(Desk& desk, GatedOperation op) {
    return gate(desk.port(), desk.session().permissionMask, op);
}

namespace {

// A view, the flag of the menu that offers it, and its refusal.
struct ViewGate {
    ViewKind view;
    bool ViewButtons::*offered;
    const char* refusal;
};

constexpr ViewGate ViewGates[] = {
    {ViewKind::Accounts, &ViewButtons::accounts, "你没有账号设置的权限。"},
    {ViewKind::FeeRates, &ViewButtons::fee, "你没有手续费率的权限。"},
    {ViewKind::MarginRates, &ViewButtons::margin, "你没有保证金率的权限。"},
    {ViewKind::Risk, &ViewButtons::risk, "你没有风险控制设置的权限。"},
    {ViewKind::Reports, &ViewButtons::reports, "你没有报表管理的权限。"},
    {ViewKind::Logs, &ViewButtons::logs, "你没有日志管理的权限。"},
};

const ViewGate* viewGate(ViewKind view) {
    for (const ViewGate& gate : ViewGates)
        if (gate.view == view) return &gate;
    return nullptr;
}

}  // namespace

bool viewAllowed(uint32_t mask, ViewKind view) {
    const ViewGate* gate = viewGate(view);
    if (gate == nullptr) return false;
    return viewMenuEnable(mask).*(gate->offered) || firstView(mask) == static_cast<int>(view);
}

std::string viewRefusalText(ViewKind view) {
    const ViewGate* gate = viewGate(view);
    return gate != nullptr ? gate->refusal : "你没有这项操作的权限。";
}

bool gateView(Desk& desk, ViewKind view) {
    if (viewAllowed(desk.session().permissionMask, view)) return true;
    desk.port().showMessage({viewRefusalText(view), "提示", MessageIcon::Information});
    return false;
}

int firstView(uint32_t mask) {
    if (mask & (perm::ModifySubAccount | perm::DeleteSubAccount)) return 2;
    if (mask & perm::FeeRates) return 3;
    if (mask & perm::RiskControl) return 4;
    if (mask & perm::MarginRates) return 7;
    if (mask & perm::Reports) return 5;
    if (mask & perm::ViewLogs) return 8;
    return -1;
}

namespace {

ViewButtons viewsOffered(uint32_t mask, uint32_t accountBits) {
    ViewButtons v;
    v.accounts = (mask & accountBits) != 0;
    v.fee = (mask & perm::FeeRates) != 0;
    v.margin = (mask & perm::MarginRates) != 0;
    v.risk = (mask & perm::RiskControl) != 0;
    v.reports = (mask & perm::Reports) != 0;
    v.logs = (mask & perm::LoginMonitor) != 0;
    return v;
}

}  // namespace

ViewButtons viewButtons(uint32_t mask) {
    return viewsOffered(mask,
                        perm::AddSubAccount | perm::ModifySubAccount | perm::DeleteSubAccount);
}

ViewMenuEnable viewMenuEnable(uint32_t mask) {
    return viewsOffered(mask, 0x3fu);
}

}  // namespace korvant
