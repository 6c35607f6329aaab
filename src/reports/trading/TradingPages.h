#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/ReportQueryPage.h"
#include "model/RecordCache.h"
#include "reports/trading/TradingRequests.h"
#include "reports/trading/TradingRows.h"

// The report pages " 成交记录 ", " 委托记录 " and " 持仓记录 ": the rows of one
// trading day for the target, one page at a time (commands 89, 103, 108).
namespace korvant {

class Desk;

// The part the three pages share: the day, the rows of the last answer and
// the query of one page.
class TradingReportPage : public ReportQueryPage {
public:
    int32_t day = 0;  // "日期:", yyyymmdd

    const std::vector<ReportColumn>& columns() const override { return columns_; }
    PageCursor cursor() const override { return cursor_; }
    // The query of `page` with the page's day and target (no typed-account
    // step): see runReportQuery for its messages.
    bool showPage(Desk& desk, int page) override;
    // The request of `page`.
    TradingQuery requestOf(int32_t page) const;
    // Lists the rows of an answer of this report's row size (the last page
    // of an export) and updates the page label.
    void showAnswer(Desk& desk, const uint8_t* packet, int length);

protected:
    TradingReportPage(uint8_t command, int rowSize, const char* const* captions, int count);
    // Replaces the rows with those of an answer.
    virtual void take(const ListPage& page) = 0;

    PageCursor cursor_;

private:
    uint8_t command_;
    int rowSize_;
    std::vector<ReportColumn> columns_;
};

// A page of one kind of row: the rows of the last answer, listed with the
// row's own cells.
template <class Row>
class TradingRowsPage : public TradingReportPage {
public:
    RecordArray<Row> rows;
    int rowCount() const override { return static_cast<int>(rows.size()); }
    std::vector<std::string> cells(int row) const override;

protected:
    TradingRowsPage(uint8_t command, const char* const* captions, int count,
                    std::vector<std::string> (*cellsOf)(const Row&));
    // The row `row`, or nothing when there is no such row.
    const Row* rowAt(int row) const;

private:
    void take(const ListPage& page) override;

    std::vector<std::string> (*cellsOf_)(const Row&);
};

class TradesPage final : public TradingRowsPage<TradeRow> {
public:
    static constexpr int Tab = 3;
    TradesPage();
    std::string rowKey(int row) const override;
};

class OrdersPage final : public TradingRowsPage<OrderRow> {
public:
    static constexpr int Tab = 4;
    OrdersPage();
    std::string rowKey(int row) const override;
};

class PositionsPage final : public TradingRowsPage<PositionRow> {
public:
    static constexpr int Tab = 6;
    PositionsPage();
    std::string rowKey(int row) const override;
};

// The desk's pages (one each for the desk's whole run).
TradesPage& tradesPage(Desk& desk);
OrdersPage& ordersPage(Desk& desk);
PositionsPage& positionsPage(Desk& desk);

}  // namespace korvant
