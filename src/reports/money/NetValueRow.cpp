#include "reports/money/NetValueRow.h"

#include <cstring>

#include "protocol/Bytes.h"
#include "protocol/Gbk.h"

namespace korvant {

NetValueRow NetValueRow::fromWire(const uint8_t* row) {
    NetValueRow r;
    readPlainText(row, 16, r.mainAccount);
    r.tradingDay = getI32(row + 16);
    r.equity = getF64(row + 20);
    r.netAssetValue = getF64(row + 28);
    r.initialInvestment = getF64(row + 36);
    r.managementFee = getF64(row + 44);
    r.custodyFee = getF64(row + 52);
    r.accruedFirst = getF64(row + 84);
    r.accruedSecond = getF64(row + 92);
    return r;
}

void NetValueRow::toWire(uint8_t* row) const {
    std::memset(row, 0, WireSize);
    writePlainText(row, 16, mainAccount);
    putI32(row + 16, tradingDay);
    putF64(row + 20, equity);
    putF64(row + 28, netAssetValue);
    putF64(row + 36, initialInvestment);
    putF64(row + 44, managementFee);
    putF64(row + 52, custodyFee);
    putF64(row + 84, accruedFirst);
    putF64(row + 92, accruedSecond);
}

}  // namespace korvant
