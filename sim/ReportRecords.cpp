#include "ReportRecords.h"

#include "protocol/Bytes.h"
#include "protocol/Gbk.h"
#include "text/NumberText.h"

namespace korvant::sim {

void writeFundsRow(uint8_t* p, const FundsFact& f) {
    writePlainText(p, 32, formatInt(f.account));
    putI32(p + 32, f.day);
    putF64(p + 36, f.equity);
    putF64(p + 44, f.previousEquity);
    putF64(p + 52, f.available);
    putF64(p + 60, f.margin);
    putF64(p + 68, f.fees);
    putF64(p + 76, f.positionFloat);
    putF64(p + 84, f.positionProfit);
    putF64(p + 92, f.closeFloat);
    putF64(p + 100, f.closeProfit);
    putF64(p + 108, f.deposits);
    putF64(p + 116, f.withdrawals);
    writePlainText(p + 124, 12, f.riskText());
    putF64(p + 136, f.baseFees);
}

void writeNetValueRow(uint8_t* p, const NetValueFact& n) {
    writePlainText(p, 16, n.mainAccount);
    putI32(p + 16, n.day);
    putF64(p + 20, n.equity);
    putF64(p + 28, n.netAsset);
    putF64(p + 36, n.initialInvestment);
    putF64(p + 44, n.managementFee);
    putF64(p + 52, n.custodyFee);
    putF64(p + 84, n.accruedManagement);
    putF64(p + 92, n.accruedCustody);
}

void writeOrderRow(uint8_t* p, const OrderFact& o) {
    putI32(p, o.day);
    putI32(p + 4, o.number);
    putI32(p + 8, o.account);
    putI32(p + 44, o.request);
    writePlainText(p + 48, 16, o.variety->exchange);
    writePlainText(p + 64, 32, o.variety->contract);
    putI32(p + 96, o.direction);
    putI32(p + 100, o.offset);
    putI32(p + 104, o.hedge);
    putI32(p + 108, o.priceType);
    putF64(p + 112, o.price);
    putI32(p + 120, o.volume);
    putI32(p + 124, o.traded);
    putI32(p + 128, o.status);
    putI32(p + 132, o.day);
    writePlainText(p + 136, 12, o.time);
    writePlainText(p + 148, 12, o.cancelTime);
    writePlainText(p + 164, 64, o.remark);
    writePlainText(p + 228, 16, o.mainAccount);
    writePlainText(p + 244, 32, o.systemNumber);
    writePlainText(p + 380, 64, o.address);
    writePlainText(p + 444, 12, o.product);
}

void writeTradeRow(uint8_t* p, const TradeFact& t) {
    putI32(p, t.day);
    putI32(p + 4, t.orderNumber);
    writePlainText(p + 8, 32, t.tradeNumber);
    putI32(p + 40, t.account);
    putI32(p + 44, t.request);
    writePlainText(p + 48, 16, t.variety->exchange);
    writePlainText(p + 64, 32, t.variety->contract);
    putI32(p + 96, t.direction);
    putI32(p + 100, t.offset);
    putI32(p + 104, t.hedge);
    putF64(p + 108, t.price);
    putI32(p + 116, t.volume);
    putF64(p + 120, t.amount);
    putI32(p + 128, t.day);
    writePlainText(p + 132, 12, t.time);
    writePlainText(p + 144, 16, t.mainAccount);
    writePlainText(p + 160, 32, t.systemNumber);
    putF64(p + 192, t.fee);
    putF64(p + 200, t.closeFloat);
    putF64(p + 208, t.closeProfit);
    putF64(p + 248, t.baseFee);
}

void writePositionRow(uint8_t* p, const PositionFact& f) {
    writePlainText(p, 12, f.variety->exchange);
    writePlainText(p + 12, 32, f.variety->contract);
    writePlainText(p + 44, 16, f.mainAccount);
    writePlainText(p + 60, 12, f.openTime);
    writePlainText(p + 72, 24, f.tradeNumber);
    writePlainText(p + 96, 24, f.comboNumber);
    p[120] = static_cast<uint8_t>(f.direction);
    p[121] = static_cast<uint8_t>(f.hedge);
    putI32(p + 124, f.account);
    putI32(p + 128, f.openDay);
    putI32(p + 132, f.day);
    putI32(p + 136, f.volume);
    putF64(p + 140, f.openPrice);
    putF64(p + 148, f.settlement);
}

}  // namespace korvant::sim
