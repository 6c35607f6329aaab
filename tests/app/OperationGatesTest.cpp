#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "accounts/AccountDeskFixture.h"
#include "accounts/administrators/AdministratorOperations.h"
#include "accounts/deposits/DepositOperations.h"
#include "accounts/groups/GroupOperations.h"
#include "accounts/mainaccounts/MainAccountOperations.h"
#include "accounts/subaccounts/SubAccountOperations.h"
#include "app/session/Permissions.h"
#include "reports/params/TradingParametersForm.h"
#include "reports/settlement/SettlementOperations.h"
#include "reports/trading/PositionChange.h"
#include "reports/trading/TradingPages.h"
#include "risk/RiskOperations.h"
#include "risk/RuleAssignment.h"
#include "templates/TemplateKind.h"
#include "templates/TemplateOperations.h"

// Every operation that takes what it acts on as parameters checks its own
// permission first, whoever calls it: without the bit it shows the refusal
// and sends nothing. A gated operation missing from the table fails the
// completeness check.
namespace korvant {
namespace {

using test::AccountDeskFixture;
using Op = GatedOperation;

struct GateRow {
    const char* name;
    Op operation;
    std::function<void(Desk&)> call;
};

RiskRule someRule() {
    RiskRule r;
    r.id = 7;
    r.category = 1;
    r.summary = "规则";
    return r;
}

const std::vector<GateRow>& rows() {
    static const std::vector<GateRow> table = {
        {"addAdministrator", Op::AddAdministrator,
         [](Desk& d) { addAdministrator(d, CurrentGroup{}, AdministratorForm{}); }},
        {"modifyAdministrator", Op::ModifyAdministrator,
         [](Desk& d) { modifyAdministrator(d, Administrator{}, AdministratorForm{}); }},
        {"deleteAdministrator", Op::DeleteAdministrator,
         [](Desk& d) { deleteAdministrator(d, {0}); }},
        {"addGroup", Op::AddGroup, [](Desk& d) { addGroup(d, GroupForm{}); }},
        {"modifyGroup", Op::ModifyGroup, [](Desk& d) { modifyGroup(d, Group{}, GroupForm{}); }},
        {"addSubAccount", Op::AddSubAccount, [](Desk& d) { addSubAccount(d, SubAccountForm{}); }},
        {"modifySubAccount", Op::ModifySubAccount,
         [](Desk& d) { modifySubAccount(d, SubAccount{}, SubAccountForm{}); }},
        {"deleteSubAccounts", Op::DeleteSubAccount,
         [](Desk& d) { deleteSubAccounts(d, {SubAccount{}}); }},
        {"createMainAccount", Op::AddMainAccount,
         [](Desk& d) { createMainAccount(d, "01", MainAccountForm{}); }},
        {"unlinkMainAccount", Op::DeleteMainAccount,
         [](Desk& d) { unlinkMainAccount(d, "0101", "m1"); }},
        {"applySubAccountDeposit", Op::Deposit,
         [](Desk& d) { applySubAccountDeposit(d, CurrentGroup{}, SubAccount{}, DepositForm{}); }},
        {"applyMainAccountDeposit", Op::Deposit,
         [](Desk& d) { applyMainAccountDeposit(d, CurrentGroup{}, MainAccount{}, DepositForm{}); }},
        {"applyLinkDeposit", Op::Deposit,
         [](Desk& d) { applyLinkDeposit(d, CurrentGroup{}, MainAccountLink{}, DepositForm{}); }},
        {"setRates fee", Op::ModifyFeeRates,
         [](Desk& d) { setRates(d, feeKind(), 20, "cu2501", "SHFE", RateRow{}); }},
        {"setRates margin", Op::ModifyMarginRates,
         [](Desk& d) { setRates(d, marginKind(), 10, "cu2501", "SHFE", RateRow{}); }},
        {"exportTemplate fee", Op::ExportFeeRates,
         [](Desk& d) { exportTemplate(d, feeKind(), 20, "/nonexistent/x.csv"); }},
        {"exportTemplate margin", Op::ExportMarginRates,
         [](Desk& d) { exportTemplate(d, marginKind(), 10, "/nonexistent/x.csv"); }},
        {"importTemplate fee", Op::ImportFeeRates,
         [](Desk& d) { importTemplate(d, feeKind(), "01", "/nonexistent/x.csv"); }},
        {"importTemplate margin", Op::ImportMarginRates,
         [](Desk& d) { importTemplate(d, marginKind(), "01", "/nonexistent/x.csv"); }},
        {"addRiskRule", Op::AddRiskStrategy, [](Desk& d) { addRiskRule(d, someRule()); }},
        {"modifyRiskRule", Op::ModifyRiskStrategy,
         [](Desk& d) { modifyRiskRule(d, 7, someRule()); }},
        {"deleteRiskRules", Op::DeleteRiskStrategy, [](Desk& d) { deleteRiskRules(d, {7}); }},
        {"addRiskRule in the dialog", Op::AddRiskRule,
         [](Desk& d) { addRiskRule(d, someRule(), RulePlace::AssignmentDialog); }},
        {"modifyRiskRule in the dialog", Op::ModifyRiskRule,
         [](Desk& d) { modifyRiskRule(d, 7, someRule(), RulePlace::AssignmentDialog); }},
        {"deleteRiskRules in the dialog", Op::DeleteRiskRule,
         [](Desk& d) { deleteRiskRules(d, {7}, RulePlace::AssignmentDialog); }},
        {"loadRules", Op::LoadRiskStrategy,
         [](Desk& d) {
             RuleAssignment a;
             loadRules(d, a, {7});
         }},
        {"unloadRules", Op::LoadRiskStrategy,
         [](Desk& d) {
             RuleAssignment a;
             unloadRules(d, a, {7});
         }},
        {"moveLoadedRule", Op::LoadRiskStrategy,
         [](Desk& d) {
             RuleAssignment a;
             moveLoadedRule(d, a, 7, true);
         }},
        {"requestSettlementStart", Op::Settlement, [](Desk& d) { requestSettlementStart(d); }},
        {"settlement status", Op::Settlement,
         [](Desk& d) {
             SettlementWatch watch(d);
             watch.tick();
         }},
        {"settlement prices", Op::Settlement,
         [](Desk& d) {
             SettlementPricePage page;
             page.date = 20261208;
             page.load(d);
         }},
        {"applyTradingParameters", Op::Settlement,
         [](Desk& d) { applyTradingParameters(d, TradingParametersForm{}); }},
        {"changePositions", Op::ModifyPositions,
         [](Desk& d) {
             PositionsPage& page = positionsPage(d);
             page.rows.push_back(PositionRow{});
             PositionChangeForm form;
             changePositions(d, page, {0}, form);
         }},
    };
    return table;
}

TEST(OperationGates, WithoutItsBitAnOperationRefusesAndSendsNothing) {
    for (const GateRow& row : rows()) {
        AccountDeskFixture f;
        f.desk.session().permissionMask = 0xFFFFF & ~requiredBit(row.operation);
        f.port.answerYes(3);  // a question before the check is answered Yes
        row.call(f.desk);
        EXPECT_TRUE(f.port.hasMessage(refusalText(row.operation))) << row.name;
        EXPECT_TRUE(f.server.requests().empty()) << row.name;
    }
}

TEST(OperationGates, EveryGatedOperationHasARow) {
    std::set<Op> covered;
    for (const GateRow& row : rows()) covered.insert(row.operation);
    for (int op = 0; op <= static_cast<int>(Op::ModifyPositions); ++op)
        EXPECT_TRUE(covered.count(static_cast<Op>(op))) << "operation " << op;
}

}  // namespace
}  // namespace korvant
