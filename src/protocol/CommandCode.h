#pragma once

#include <cstdint>

// Command codes of the wire protocol (byte 3 of every packet).
namespace korvant::cmd {

inline constexpr uint8_t Result = 0;
inline constexpr uint8_t KeepAlive = 1;
inline constexpr uint8_t Login = 2;
inline constexpr uint8_t LoginAnswer = 3;
inline constexpr uint8_t SubAccountList = 4;
inline constexpr uint8_t AddSubAccount = 8;
inline constexpr uint8_t ModifySubAccount = 11;
inline constexpr uint8_t DeleteSubAccount = 14;
inline constexpr uint8_t DeleteAdministrator = 15;
inline constexpr uint8_t ChangePassword = 19;
inline constexpr uint8_t SubAccountDeposit = 36;
inline constexpr uint8_t MainAccountList = 37;
inline constexpr uint8_t AddMainAccount = 38;
inline constexpr uint8_t DeleteMainAccount = 39;
inline constexpr uint8_t MarginTemplateList = 40;
inline constexpr uint8_t FeeTemplateList = 41;
inline constexpr uint8_t VarietyList = 42;
inline constexpr uint8_t MarginRates = 43;
inline constexpr uint8_t SetMarginRates = 44;
inline constexpr uint8_t DepositRecords = 47;
inline constexpr uint8_t FundsReport = 48;
inline constexpr uint8_t Statement = 49;
inline constexpr uint8_t StatementList = 50;
inline constexpr uint8_t StartSettlement = 51;
inline constexpr uint8_t SettlementProgress = 52;
inline constexpr uint8_t SettlementPrices = 53;
inline constexpr uint8_t SetSettlementPrice = 54;
inline constexpr uint8_t OperationLog = 58;
inline constexpr uint8_t AddRiskRule = 60;
inline constexpr uint8_t ModifyRiskRule = 61;
inline constexpr uint8_t DeleteRiskRule = 62;
inline constexpr uint8_t GroupCodeOfId = 63;
inline constexpr uint8_t MainAccountLinks = 64;
inline constexpr uint8_t GroupIdOfCode = 65;
inline constexpr uint8_t LinkMainAccount = 66;
inline constexpr uint8_t LinkDeposit = 67;
inline constexpr uint8_t AssignedRules = 68;
inline constexpr uint8_t LoadRiskRule = 69;
inline constexpr uint8_t UnloadRiskRule = 70;
inline constexpr uint8_t MoveRuleUp = 71;
inline constexpr uint8_t MoveRuleDown = 72;
inline constexpr uint8_t AddMarginTemplate = 73;
inline constexpr uint8_t AddFeeTemplate = 74;
inline constexpr uint8_t ModifyMarginTemplate = 75;
inline constexpr uint8_t ModifyFeeTemplate = 76;
inline constexpr uint8_t DeleteMarginTemplate = 77;
inline constexpr uint8_t DeleteFeeTemplate = 78;
inline constexpr uint8_t LoadMarginTemplate = 79;
inline constexpr uint8_t LoadFeeTemplate = 80;
inline constexpr uint8_t SubAccountFunds = 81;
inline constexpr uint8_t MainAccountDeposit = 82;
inline constexpr uint8_t RuleAssignmentDone = 83;
inline constexpr uint8_t CloseTodayFees = 84;
inline constexpr uint8_t SetCloseTodayFees = 85;
inline constexpr uint8_t ModifyMainAccount = 86;
inline constexpr uint8_t FundsExport = 88;
inline constexpr uint8_t TradeReport = 89;
inline constexpr uint8_t RiskStrategyList = 90;
inline constexpr uint8_t FeeRates = 91;
inline constexpr uint8_t SetFeeRates = 92;
inline constexpr uint8_t TradeExport = 93;
inline constexpr uint8_t GroupList = 94;
inline constexpr uint8_t AddGroup = 95;  // also the single-value answer
inline constexpr uint8_t ModifyGroup = 96;
inline constexpr uint8_t AdministratorList = 97;
inline constexpr uint8_t AddAdministrator = 98;
inline constexpr uint8_t ModifyAdministrator = 99;
inline constexpr uint8_t TradingParameters = 100;
inline constexpr uint8_t SetTradingParameters = 101;
inline constexpr uint8_t UnlinkMainAccount = 102;
inline constexpr uint8_t OrderReport = 103;
inline constexpr uint8_t OrderExport = 104;
inline constexpr uint8_t ClearSettlement = 105;
inline constexpr uint8_t FreeText = 106;
inline constexpr uint8_t NetValueReport = 107;
inline constexpr uint8_t PositionReport = 108;
inline constexpr uint8_t ModifyPositions = 109;

}  // namespace korvant::cmd
