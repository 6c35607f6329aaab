#pragma once

#include "Dispatcher.h"

// The server's operation log: every data-changing request that was carried
// out, with the administrator, the operation, a remark, the time, the
// client's address and the MAC sent at login.
namespace korvant::sim {

// Category bits of the log query.
namespace logkind {
inline constexpr int32_t Groups = 0x1;
inline constexpr int32_t Accounts = 0x2;
inline constexpr int32_t Administrators = 0x4;
inline constexpr int32_t RiskRules = 0x8;
inline constexpr int32_t Fees = 0x10;
inline constexpr int32_t Margins = 0x20;
inline constexpr int32_t Deposits = 0x40;
inline constexpr int32_t RiskTriggers = 0x80;
inline constexpr int32_t Positions = 0x100;
inline constexpr int32_t SettlementWork = 0x200;  // found only by a query without categories
}  // namespace logkind

// Records `request` when it changes data and `answer` says it was done.
void recordOperation(const Request& request, const Answer& answer, const Route& route,
                     Context& context);

// Appends one entry stamped with the current time and the connection.
void appendLog(Context& context, int32_t kind, const std::string& operation,
               const std::string& remark);

}  // namespace korvant::sim
