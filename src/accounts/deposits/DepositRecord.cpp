#include "accounts/deposits/DepositRecord.h"

#include <cmath>
#include <cstring>

#include "protocol/Bytes.h"
#include "protocol/Gbk.h"
#include "text/NumberText.h"

namespace korvant {

namespace {

std::string twoDecimals(double value) {
    return formatFixed(value, 2);
}

}  // namespace

DepositRecord DepositRecord::fromWire(const uint8_t* record) {
    DepositRecord r;
    r.customer = getI32(record + 0);
    r.tradeDate = getI32(record + 4);
    r.date = getI32(record + 8);
    readPlainText(record + 12, 12, r.time);
    r.amount = getF64(record + 24);
    readPlainText(record + 32, 16, r.operatorName);
    r.serial = getI32(record + 48);
    readPlainText(record + 52, 64, r.remark);
    return r;
}

void DepositRecord::toWire(uint8_t* record) const {
    std::memset(record, 0, WireSize);
    putI32(record + 0, customer);
    putI32(record + 4, tradeDate);
    putI32(record + 8, date);
    writePlainText(record + 12, 12, time);
    putF64(record + 24, amount);
    writePlainText(record + 32, 16, operatorName);
    putI32(record + 48, serial);
    writePlainText(record + 52, 64, remark);
}

std::string DepositRecord::depositText() const {
    return isDeposit() ? twoDecimals(amount) : std::string();
}

std::string DepositRecord::withdrawalText() const {
    return isDeposit() ? std::string() : twoDecimals(std::fabs(amount));
}

}  // namespace korvant
