#include "accounts/deposits/DepositRecord.h"

#include <cmath>

#include "text/NumberText.h"

namespace korvant {

namespace {

std::string twoDecimals(double value) {
    return formatFixed(value, 2);
}

}  // namespace

std::string DepositRecord::depositText() const {
    return isDeposit() ? twoDecimals(amount) : std::string();
}

std::string DepositRecord::withdrawalText() const {
    return isDeposit() ? std::string() : twoDecimals(std::fabs(amount));
}

}  // namespace korvant
