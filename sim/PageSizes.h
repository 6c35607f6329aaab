#pragma once

// Records per page of every list the server answers. Each page fits into
// the client's 24668-byte receive buffer with its 12-byte page header.
namespace korvant::sim::page {

inline constexpr int Groups = 150;          // 156-byte records
inline constexpr int Templates = 250;       // 84-byte records
inline constexpr int Varieties = 300;       // 80-byte records
inline constexpr int RiskRules = 10;        // 2376-byte records
inline constexpr int AssignedRules = 10;    // 2408-byte records
inline constexpr int Administrators = 50;   // 136-byte records
inline constexpr int MainAccounts = 50;     // 88-byte records
inline constexpr int Links = 100;           // 24-byte records
inline constexpr int SubAccounts = 50;      // 364-byte records
inline constexpr int DepositRecords = 100;  // 116-byte records
// The reports fill their pages.
inline constexpr int FundsRows = 171;     // 144-byte rows
inline constexpr int NetValueRows = 198;  // 124-byte rows
inline constexpr int OrderRows = 54;      // 456-byte rows
inline constexpr int TradeRows = 96;      // 256-byte rows
inline constexpr int PositionRows = 158;  // 156-byte rows

}  // namespace korvant::sim::page
