#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "reports/trading/TradingCodes.h"
#include "text/NumberText.h"

// One order as listed under " 委托记录 " and written to the order CSV file
// (456 bytes on the wire, answers of commands 103 and 104).
namespace korvant {

struct OrderRow {
    static constexpr int WireSize = 456;

    int32_t tradingDay = 0;     // 0
    int32_t orderNumber = 0;    // 4
    int32_t subAccount = 0;     // 8
    int32_t requestNumber = 0;  // 44
    std::string exchange;       // 48, char[16]
    std::string contract;       // 64, char[32]
    int32_t direction = 0;      // 96, code
    int32_t openClose = 0;      // 100, code
    int32_t hedge = 0;          // 104, code
    int32_t priceType = 0;      // 108, code
    double price = 0;           // 112
    int32_t volume = 0;         // 120
    int32_t tradedVolume = 0;   // 124
    int32_t status = 0;         // 128, code
    int32_t actualDate = 0;     // 132
    std::string orderTime;      // 136, char[12]
    std::string cancelTime;     // 148, char[12]
    std::string remarkFirst;    // 164, char[64]
    std::string mainAccount;    // 228, char[16]
    std::string systemNumber;   // 244, char[32]
    std::string remarkSecond;   // 276, char[64]
    std::string address;        // 380, char[64]
    std::string product;        // 444, char[12]

    static OrderRow fromWire(const uint8_t* record);
    void toWire(uint8_t* record) const;
};

// "子账号", "交易日", "委托号", "请求号", "交易所", "合约", "买卖", "开平", "投保",
// "价格类型", "委托价", "委托量", "成交量", "状态", "实际日期", "委托时间", "撤单时间",
// "主账号", "系统号", "网络地址", "产品信息", "备注": the list's columns and the
// CSV file's fields.
const std::array<const char*, 22>& orderCaptions();
// The cells of one order as listed (the two remark parts joined).
std::vector<std::string> orderCells(const OrderRow& row);
// Hands the text of each column of `row` to `cell`, in column order (the
// list's cells and the export's fields; the two remark parts joined).
template <class Cell>
void forEachOrderCell(const OrderRow& row, Cell&& cell) {
    cell(formatInt(row.subAccount));
    cell(formatInt(row.tradingDay));
    cell(formatInt(row.orderNumber));
    cell(formatInt(row.requestNumber));
    cell(row.exchange);
    cell(row.contract);
    cell(directionText(row.direction));
    cell(openCloseText(row.openClose));
    cell(hedgeText(row.hedge));
    cell(priceTypeText(row.priceType));
    cell(formatFixed(row.price, 3));
    cell(formatInt(row.volume));
    cell(formatInt(row.tradedVolume));
    cell(orderStatusText(row.status));
    cell(formatInt(row.actualDate));
    cell(row.orderTime);
    cell(row.cancelTime);
    cell(row.mainAccount);
    cell(row.systemNumber);
    cell(row.address);
    cell(row.product);
    cell(row.remarkFirst + row.remarkSecond);
}

}  // namespace korvant
