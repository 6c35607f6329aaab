#include "model/MainAccount.h"

#include "model/WireFields.h"

namespace korvant {

// Where each field of a main account lies in its record.
// clang-format off
constexpr WireFields mainAccountFields{
    wireField(&MainAccount::account, 0, 16),
    wireField(&MainAccount::initialFunds, 16, 8),
    wireField(&MainAccount::distributableFunds, 24, 8),
    wireField(&MainAccount::startInvestment, 32, 8),
    wireField(&MainAccount::priorityFunds, 40, 8),
    wireField(&MainAccount::feeRates, 48, 8 * MainAccount::FeeRateCount),
};
// clang-format on

// Where each field of a main account's link lies in its record.
// clang-format off
constexpr WireFields mainAccountLinkFields{
    wireField(&MainAccountLink::account, 0, 16),
    wireField(&MainAccountLink::distributableFunds, 16, 8),
};
// clang-format on

MainAccount MainAccount::fromWire(const uint8_t* r) {
    return mainAccountFields.decode<MainAccount>(r);
}

void MainAccount::toWire(uint8_t* r) const {
    mainAccountFields.write(*this, r);
}

MainAccountLink MainAccountLink::fromWire(const uint8_t* r) {
    return mainAccountLinkFields.decode<MainAccountLink>(r);
}

void MainAccountLink::toWire(uint8_t* r) const {
    mainAccountLinkFields.write(*this, r);
}

}  // namespace korvant
