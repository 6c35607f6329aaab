#pragma once

// The action codes of the main window's dispatcher. Every window reaches
// the operations through them; codes without a registered handler are
// ignored.
namespace korvant {

enum class ActionCode : int {
    AddGroup = 0,
    DeleteGroup = 1,
    ModifyGroup = 2,
    GroupMembership = 4,  // no effect
    AddAdministrator = 5,
    DeleteAdministrator = 6,
    ModifyAdministrator = 7,
    AdministratorMembership = 8,  // no effect
    AddSubAccount = 9,
    DeleteSubAccount = 10,
    ModifySubAccount = 11,
    RefreshGroups = 14,
    GroupSelected = 15,       // argument: Group
    GroupSelectedAgain = 16,  // argument: Group
    PreviousPage = 18,
    NextPage = 19,
    Search = 20,    // argument: SearchFilter
    GoToPage = 21,  // argument: page index
    ChangePassword = 22,
    LastPage = 34,
    FirstPage = 35,
    SubAccountDeposit = 58,
    SwitchView = 73,  // argument: ViewKind as int
    NoEffect74 = 74,
    CreateMainAccount = 81,
    DeleteMainAccount = 83,
    AddRiskStrategy = 84,
    ModifyRiskStrategy = 85,
    DeleteRiskStrategy = 86,
    AllSubAccountsPage = 87,  // argument: page index
    ReloadMarginTemplates = 88,
    ReloadVarieties = 89,
    ReloadFeeTemplates = 90,
    ModifyMarginRates = 91,
    ModifyFeeRates = 92,
    ReportKindChosen = 93,  // argument: report kind
    NoEffect94 = 94,
    FundsPageLabel = 95,
    DepositRecordsPageLabel = 96,
    ReleaseBlock = 97,
    LogPageLabel = 98,
    TradesPageLabel = 99,
    NoEffect100 = 100,
    ReloadRiskStrategies = 101,
    RiskNodeSelected = 102,  // argument: risk node data
    RefreshRiskView = 103,
    TwoTabChanged = 104,    // argument: tab index
    ThreeTabChanged = 105,  // argument: tab index
    LinkMainAccount = 106,
    ReloadParentMainAccounts = 107,
    LinkDeposit = 108,
    ReloadMainAccountLinks = 109,
    LoadRiskStrategy = 110,    // argument: 1 or 2
    MarginNodeSelected = 111,  // argument: node data
    FeeNodeSelected = 112,     // argument: node data
    AddMarginTemplate = 113,
    AddFeeTemplate = 114,
    ModifyMarginTemplate = 115,
    ModifyFeeTemplate = 116,
    DeleteMarginTemplate = 117,
    DeleteFeeTemplate = 118,
    LoadMarginTemplate = 119,
    LoadFeeTemplate = 120,
    MainAccountDeposit = 121,
    ReportAccountChosen = 122,  // argument: ReportNode
    ModifyMainAccount = 123,
    UnlinkMainAccount = 125,
    OrdersPageLabel = 126,
    ReloadFeeTemplatesAgain = 127,
    ExportFeeRates = 128,
    ReloadMarginTemplatesAgain = 129,
    ExportMarginRates = 130,
    NetValuePageLabel = 131,
    PositionsPageLabel = 132,

    // Commands of the "操作" menu, numbered as the menu's command ids.
    StartSettlement = 32830,
    SettlementPrices = 32831,
    TradingParameters = 32848,
    ClearSettlement = 32854,
};

}  // namespace korvant
