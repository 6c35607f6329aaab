#include "model/MainAccount.h"

#include "model/WireFields.h"

namespace korvant {

// Where each field of a main account lies in its record.
// clang-format off
KORVANT_WIRE_RECORD(MainAccount,
    wireField(&MainAccount::account, 0, 16),
    wireField(&MainAccount::initialFunds, 16, 8),
    wireField(&MainAccount::distributableFunds, 24, 8),
    wireField(&MainAccount::startInvestment, 32, 8),
    wireField(&MainAccount::priorityFunds, 40, 8),
    wireField(&MainAccount::feeRates, 48, 8 * MainAccount::FeeRateCount))
// clang-format on

// Where each field of a main account's link lies in its record.
// clang-format off
KORVANT_WIRE_RECORD(MainAccountLink,
    wireField(&MainAccountLink::account, 0, 16),
    wireField(&MainAccountLink::distributableFunds, 16, 8))
// clang-format on

}  // namespace korvant
