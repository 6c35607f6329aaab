#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "app/desk/ViewKind.h"
#include "app/port/FrontEndPort.h"

// The permission mask of an administrator: which views the navigation
// panel and the menu offer, which view opens first after login, and whether
// an operation may start at all. A refused operation shows its text and
// sends nothing.
namespace korvant {

class Desk;

namespace perm {
inline constexpr uint32_t AddSubAccount = 0x1;
inline constexpr uint32_t ModifySubAccount = 0x2;
inline constexpr uint32_t DeleteSubAccount = 0x4;
inline constexpr uint32_t AddGroupAndAdmin = 0x8;
inline constexpr uint32_t ModifyGroupAndAdmin = 0x10;
inline constexpr uint32_t DeleteGroupAndAdmin = 0x20;
inline constexpr uint32_t Deposit = 0x40;
inline constexpr uint32_t MarginRates = 0x80;
inline constexpr uint32_t FeeRates = 0x100;
inline constexpr uint32_t RiskControl = 0x200;
inline constexpr uint32_t Reports = 0x400;
inline constexpr uint32_t Settlement = 0x800;
inline constexpr uint32_t LoginMonitor = 0x1000;
inline constexpr uint32_t ViewLogs = 0x2000;
inline constexpr uint32_t MonitorForceClose = 0x4000;
inline constexpr uint32_t MonitorOpen = 0x8000;
inline constexpr uint32_t NewMainAccount = 0x10000;
inline constexpr uint32_t ModifyMainAccount = 0x20000;
inline constexpr uint32_t DeleteMainAccount = 0x40000;
inline constexpr uint32_t ModifyPositions = 0x80000;

inline constexpr int Count = 20;  // bits 0 to 19; bits 20 to 31 have no meaning
}  // namespace perm

// The captions of the administrator dialog's check-list; entry n is bit n.
const std::array<const char*, perm::Count>& permissionCaptions();

// Every operation that is gated on one bit of the mask.
enum class GatedOperation {
    AddAdministrator,
    ModifyAdministrator,
    DeleteAdministrator,
    AddGroup,
    ModifyGroup,
    AddSubAccount,
    ModifySubAccount,
    DeleteSubAccount,
    AddMainAccount,
    DeleteMainAccount,  // from the main-account view
    Deposit,            // deposit or withdrawal, every list
    ModifyMarginRates,
    ImportMarginRates,
    ExportMarginRates,
    ModifyFeeRates,
    ImportFeeRates,
    ExportFeeRates,
    AddRiskStrategy,
    ModifyRiskStrategy,
    DeleteRiskStrategy,
    LoadRiskStrategy,
    AddRiskRule,
    ModifyRiskRule,
    DeleteRiskRule,
    Settlement,       // start, clear, settlement prices, trading parameters
    ModifyPositions,  // "修改" on the position report
};

// The bit an operation needs and the text of its refusal.
uint32_t requiredBit(GatedOperation op);
const char* refusalText(GatedOperation op);
// The refusal message: caption "提示", error icon for deleting an
// administrator or a sub-account, information icon otherwise.
Message refusalMessage(GatedOperation op);

bool allowed(uint32_t mask, GatedOperation op);
// True when the mask allows the operation; otherwise shows the refusal
// through the port and returns false.
bool gate(FrontEndPort& port, uint32_t mask, GatedOperation op);
// The same with the logged-in administrator's mask: the first step of every
// gated operation, whoever calls it.
bool gate(Desk& desk, GatedOperation op);

// Whether the desk can show a view to this mask at all: through its menu
// item (the accounts view on any of 0x3f) or as the first view after login
// (the log view also on 0x2000). The lists, rates, rules, reports and the log
// are queried only from their views.
bool viewAllowed(uint32_t mask, ViewKind view);
// The refusal of a view the mask does not offer, e.g. "你没有报表管理的权限。".
std::string viewRefusalText(ViewKind view);
// True when the logged-in mask offers the view; otherwise shows its refusal
// (caption "提示") and returns false.
bool gateView(Desk& desk, ViewKind view);

// The first view after login, first match wins: 0x2 or 0x4 → 2 (accounts),
// 0x100 → 3 (fee rates), 0x200 → 4 (risk), 0x80 → 7 (margin rates),
// 0x400 → 5 (reports), 0x2000 → 8 (logs), otherwise -1 (no view).
int firstView(uint32_t mask);

// The views a mask offers: the buttons of the navigation panel, top to
// bottom, and the view items of the "业务管理" menu enabled after login (the
// two view commands without a menu item stay disabled). Both decide the
// accounts view on their own bits.
struct ViewButtons {
    bool accounts = false;  // "账号设置": buttons any of 0x1, 0x2, 0x4; menu any of 0x3f
    bool fee = false;       // "手续费率": 0x100
    bool margin = false;    // "保证金率": 0x80
    bool risk = false;      // "风险控制设置": 0x200
    bool reports = false;   // "报表管理": 0x400
    bool logs = false;      // "日志管理": 0x1000
};
using ViewMenuEnable = ViewButtons;
ViewButtons viewButtons(uint32_t mask);
ViewMenuEnable viewMenuEnable(uint32_t mask);

}  // namespace korvant
