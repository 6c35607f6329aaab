#include "reports/money/MoneyRows.h"

#include "model/WireFields.h"

namespace korvant {

// Where each field of a funds row lies in its record.
// clang-format off
KORVANT_WIRE_RECORD(FundsRow,
    wireField(&FundsRow::account, 0, 32),
    wireField(&FundsRow::tradingDay, 32, 4),
    wireField(&FundsRow::equity, 36, 8),
    wireField(&FundsRow::previousEquity, 44, 8),
    wireField(&FundsRow::available, 52, 8),
    wireField(&FundsRow::margin, 60, 8),
    wireField(&FundsRow::totalFees, 68, 8),
    wireField(&FundsRow::openFloating, 76, 8),
    wireField(&FundsRow::openMarked, 84, 8),
    wireField(&FundsRow::closedFloating, 92, 8),
    wireField(&FundsRow::closedMarked, 100, 8),
    wireField(&FundsRow::deposits, 108, 8),
    wireField(&FundsRow::withdrawals, 116, 8),
    wireField(&FundsRow::riskDegree, 124, 12),
    wireField(&FundsRow::baseFees, 136, 8))
// clang-format on

// Where each field of a net-value row lies in its record.
// clang-format off
KORVANT_WIRE_RECORD(NetValueRow,
    wireField(&NetValueRow::mainAccount, 0, 16),
    wireField(&NetValueRow::tradingDay, 16, 4),
    wireField(&NetValueRow::equity, 20, 8),
    wireField(&NetValueRow::netAssetValue, 28, 8),
    wireField(&NetValueRow::initialInvestment, 36, 8),
    wireField(&NetValueRow::managementFee, 44, 8),
    wireField(&NetValueRow::custodyFee, 52, 8),
    wireField(&NetValueRow::accruedFirst, 84, 8),
    wireField(&NetValueRow::accruedSecond, 92, 8))
// clang-format on

}  // namespace korvant
