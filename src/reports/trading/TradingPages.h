#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "app/pages/ReportQueryPage.h"
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
    // The command of the page's query (89, 103 or 108).
    uint8_t command() const { return command_; }
    // Lists the rows of an answer of this report's row size (the last page
    // of an export) as one page and updates the page label. The export's
    // page numbers are not pages of the day's report: the pager has nothing
    // to move to until the next query.
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
// row's own cells and named by the row's own key.
template <class Row>
class TradingRowsPage : public TradingReportPage {
public:
    RecordArray<Row> rows;
    int rowCount() const override { return static_cast<int>(rows.size()); }
    std::vector<std::string> cells(int row) const override;
    std::string rowKey(int row) const override;

protected:
    template <std::size_t Count>
    TradingRowsPage(uint8_t command, const std::array<const char*, Count>& captions,
                    std::vector<std::string> (*cellsOf)(const Row&))
        : TradingReportPage(command, Row::WireSize, captions.data(), static_cast<int>(Count)),
          cellsOf_(cellsOf) {}
    // What names `row` among the rows of a re-query.
    virtual std::string keyOf(const Row& row) const = 0;

private:
    void take(const ListPage& page) override;

    std::vector<std::string> (*cellsOf_)(const Row&);
};

class TradesPage final : public TradingRowsPage<TradeRow> {
public:
    static constexpr int Tab = 3;
    TradesPage();

private:
    std::string keyOf(const TradeRow& row) const override;
};

class OrdersPage final : public TradingRowsPage<OrderRow> {
public:
    static constexpr int Tab = 4;
    OrdersPage();

private:
    std::string keyOf(const OrderRow& row) const override;
};

class PositionsPage final : public TradingRowsPage<PositionRow> {
public:
    static constexpr int Tab = 6;
    PositionsPage();

private:
    std::string keyOf(const PositionRow& row) const override;
};

// The desk's pages (one each for the desk's whole run).
TradesPage& tradesPage(Desk& desk);
OrdersPage& ordersPage(Desk& desk);
PositionsPage& positionsPage(Desk& desk);

}  // namespace korvant
