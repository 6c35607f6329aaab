#include "reports/money/NetValueRow.h"

#include "model/WireFields.h"

namespace korvant {

// Where each field of a net-value row lies in its record.
// clang-format off
constexpr WireFields netValueFields{
    wireField(&NetValueRow::mainAccount, 0, 16),
    wireField(&NetValueRow::tradingDay, 16, 4),
    wireField(&NetValueRow::equity, 20, 8),
    wireField(&NetValueRow::netAssetValue, 28, 8),
    wireField(&NetValueRow::initialInvestment, 36, 8),
    wireField(&NetValueRow::managementFee, 44, 8),
    wireField(&NetValueRow::custodyFee, 52, 8),
    wireField(&NetValueRow::accruedFirst, 84, 8),
    wireField(&NetValueRow::accruedSecond, 92, 8),
};
// clang-format on

NetValueRow NetValueRow::fromWire(const uint8_t* row) {
    return netValueFields.decode<NetValueRow>(row);
}

void NetValueRow::toWire(uint8_t* row) const {
    netValueFields.write(*this, row);
}

}  // namespace korvant
