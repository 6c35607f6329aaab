#include "model/MainAccount.h"

#include <cstring>

#include "protocol/Bytes.h"
#include "protocol/Gbk.h"

namespace korvant {

MainAccount MainAccount::fromWire(const uint8_t* r) {
    MainAccount m;
    m.account = readPlainText(r, 16);
    m.initialFunds = getF64(r + 16);
    m.distributableFunds = getF64(r + 24);
    m.startInvestment = getF64(r + 32);
    m.priorityFunds = getF64(r + 40);
    for (int i = 0; i < FeeRateCount; ++i) m.feeRates[i] = getF64(r + 48 + 8 * i);
    return m;
}

void MainAccount::toWire(uint8_t* r) const {
    std::memset(r, 0, WireSize);
    writePlainText(r, 16, account);
    putF64(r + 16, initialFunds);
    putF64(r + 24, distributableFunds);
    putF64(r + 32, startInvestment);
    putF64(r + 40, priorityFunds);
    for (int i = 0; i < FeeRateCount; ++i) putF64(r + 48 + 8 * i, feeRates[i]);
}

MainAccountLink MainAccountLink::fromWire(const uint8_t* r) {
    MainAccountLink l;
    l.account = readPlainText(r, 16);
    l.distributableFunds = getF64(r + 16);
    return l;
}

void MainAccountLink::toWire(uint8_t* r) const {
    std::memset(r, 0, WireSize);
    writePlainText(r, 16, account);
    putF64(r + 16, distributableFunds);
}

}  // namespace korvant
