#include "reports/money/FundsRow.h"

#include <cstring>

#include "protocol/Bytes.h"
#include "protocol/Gbk.h"

namespace korvant {

FundsRow FundsRow::fromWire(const uint8_t* row) {
    FundsRow r;
    readPlainText(row, 32, r.account);
    r.tradingDay = getI32(row + 32);
    r.equity = getF64(row + 36);
    r.previousEquity = getF64(row + 44);
    r.available = getF64(row + 52);
    r.margin = getF64(row + 60);
    r.totalFees = getF64(row + 68);
    r.openFloating = getF64(row + 76);
    r.openMarked = getF64(row + 84);
    r.closedFloating = getF64(row + 92);
    r.closedMarked = getF64(row + 100);
    r.deposits = getF64(row + 108);
    r.withdrawals = getF64(row + 116);
    readPlainText(row + 124, 12, r.riskDegree);
    r.baseFees = getF64(row + 136);
    return r;
}

void FundsRow::toWire(uint8_t* row) const {
    std::memset(row, 0, WireSize);
    writePlainText(row, 32, account);
    putI32(row + 32, tradingDay);
    putF64(row + 36, equity);
    putF64(row + 44, previousEquity);
    putF64(row + 52, available);
    putF64(row + 60, margin);
    putF64(row + 68, totalFees);
    putF64(row + 76, openFloating);
    putF64(row + 84, openMarked);
    putF64(row + 92, closedFloating);
    putF64(row + 100, closedMarked);
    putF64(row + 108, deposits);
    putF64(row + 116, withdrawals);
    writePlainText(row + 124, 12, riskDegree);
    putF64(row + 136, baseFees);
}

}  // namespace korvant
