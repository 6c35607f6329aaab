#pragma once

// The desk's actions that read what the main window shows (the group on
// screen, the selected rows, the chosen nodes, the view) and call the
// core's operations with it, one registration function per list or view.
// DeskView registers them all on the desk's dispatcher.
namespace korvant {

class DeskView;

// `AddAdministrator`, `ModifyAdministrator`, `DeleteAdministrator`.
void registerAdministratorListActions(DeskView& view);
// `AddGroup`, `ModifyGroup` on the group chosen in the tree.
void registerGroupTreeActions(DeskView& view);
// Create, modify, delete, link, unlink and the parent group's accounts.
void registerMainAccountListActions(DeskView& view);
// `AddSubAccount`, `ModifySubAccount`, `DeleteSubAccount`, `ReloadMainAccountLinks`.
void registerSubAccountListActions(DeskView& view);
// `SubAccountDeposit`, `MainAccountDeposit`, `LinkDeposit` on the selected row.
void registerDepositListActions(DeskView& view);
// The rate views: a node chosen (the pager label follows), the template
// loaded onto the selected sub-account, and their pagers.
void registerTemplateViewActions(DeskView& view);
// "加载风控策略" on the selection of the list it came from, and the
// warehouse view's pager.
void registerRiskViewActions(DeskView& view);
// A node of the report tree chosen, and the reports view's pager.
void registerReportViewActions(DeskView& view);

}  // namespace korvant
