#pragma once

// The action codes of the main window's dispatcher, named by what they do.
// Every window reaches the operations through them; codes without a
// registered handler are ignored. The numbers mean nothing outside this
// process: nothing stores or sends them.
namespace korvant {

enum class ActionCode : int {
    // Groups and the groups tree
    AddGroup = 0,
    DeleteGroup = 1,
    ModifyGroup = 2,
    RefreshGroups = 3,
    GroupSelected = 4,       // argument: Group
    GroupSelectedAgain = 5,  // argument: Group

    // Administrators
    AddAdministrator = 6,
    DeleteAdministrator = 7,
    ModifyAdministrator = 8,
    ChangePassword = 9,

    // Sub-accounts
    AddSubAccount = 10,
    DeleteSubAccount = 11,
    ModifySubAccount = 12,
    SubAccountDeposit = 13,

    // Main accounts and their links to groups
    CreateMainAccount = 14,
    ModifyMainAccount = 15,
    DeleteMainAccount = 16,
    LinkMainAccount = 17,
    UnlinkMainAccount = 18,
    ReloadParentMainAccounts = 19,
    ReloadMainAccountLinks = 20,
    MainAccountDeposit = 21,
    LinkDeposit = 22,

    // The account lists, their pager and the views
    PreviousPage = 23,
    NextPage = 24,
    FirstPage = 25,
    LastPage = 26,
    GoToPage = 27,            // argument: page index
    Search = 28,              // argument: SearchFilter
    AllSubAccountsPage = 29,  // argument: page index
    SwitchView = 30,          // argument: ViewKind as int
    TwoTabChanged = 31,       // argument: tab index
    ThreeTabChanged = 32,     // argument: tab index

    // Reference lists read again
    ReloadMarginTemplates = 33,
    ReloadFeeTemplates = 34,
    ReloadVarieties = 35,
    ReloadRiskStrategies = 36,

    // Margin and fee templates
    MarginNodeSelected = 37,  // argument: node data
    FeeNodeSelected = 38,     // argument: node data
    AddMarginTemplate = 39,
    AddFeeTemplate = 40,
    ModifyMarginTemplate = 41,
    ModifyFeeTemplate = 42,
    DeleteMarginTemplate = 43,
    DeleteFeeTemplate = 44,
    LoadMarginTemplate = 45,
    LoadFeeTemplate = 46,
    ModifyMarginRates = 47,
    ModifyFeeRates = 48,
    ExportMarginRates = 49,
    ExportFeeRates = 50,

    // Risk rules
    AddRiskStrategy = 51,
    ModifyRiskStrategy = 52,
    DeleteRiskStrategy = 53,
    RiskNodeSelected = 54,  // argument: risk node data
    RefreshRiskView = 55,
    LoadRiskStrategy = 56,  // argument: 1 or 2

    // Reports, the operation log and the settlement
    ReportKindChosen = 57,     // argument: report kind
    ReportAccountChosen = 58,  // argument: ReportNode
    LogPageLabel = 59,
    TradingParameters = 60,
    StartSettlement = 61,
    SettlementPrices = 62,
    ClearSettlement = 63,
};

}  // namespace korvant
