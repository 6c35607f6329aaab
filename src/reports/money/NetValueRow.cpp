#include "reports/money/NetValueRow.h"

#include "model/WireFields.h"

namespace korvant {

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
