#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "reports/export/ReportExport.h"
#include "reports/money/MoneyRequests.h"
#include "reports/money/MoneyRows.h"
#include "reports/money/MoneyRowsPage.h"

// The report tab " 净值 ": the net values of a main account over a date
// range, the main accounts of the chosen group to pick from, and the CSV
// export.
namespace korvant {

// "主账号", "交易日", "账户权益", "资产净值", "份额净值", "期初投入", "管理费",
// "托管费", "应提费用".
const std::array<const char*, 9>& netValueCaptions();
// The cells of one row as listed: "份额净值" with four decimals, empty when
// the initial investment is not above 0.
std::vector<std::string> netValueCells(const NetValueRow& row);

class NetValuePage : public MoneyRowsPage<NetValueRow> {
public:
    static constexpr int Tab = 5;

    NetValuePage() : MoneyRowsPage(netValueCaptions(), netValueCells) {}

    int32_t startDate = 0;  // "时间范围:" "从"
    int32_t endDate = 0;    // "到"
    // "主账号:": the main accounts of the chosen group (the list), and the
    // text of the field in `account` (typed or picked).
    std::vector<std::string> mainAccounts;

    // Nothing is sent without a main account or with the start after the
    // end ("起始时间不能晚于结束时间").
    bool showPage(Desk& desk, int page) override;
    // The "主账号:" text becomes the target (id -1), not looked up in the
    // report tree; then page 0.
    bool search(Desk& desk) override;
    // A node chosen in the tree: when shown, the main accounts are reloaded.
    void targetChosen(Desk& desk, bool shown) override;

    NetValueQuery queryOf(int32_t page) const;
};

NetValuePage& netValuePage(Desk& desk);

// The main accounts of the chosen group (command 37) fill "主账号:"; the first
// is picked and queried. A target below 0 sends nothing; an empty list
// leaves the rows as they were and sends no query. An answer that is not
// the list shows " 解析数据包出错!". Returns whether rows were listed.
bool reloadNetValueMainAccounts(Desk& desk, NetValuePage& page);

// "导出": the dialog (its days from the page's range), then exportNetValuesTo.
bool exportNetValues(Desk& desk, NetValuePage& page);
// Every page of the net values (command 107) of the page's main account for
// the form's days, written to the form's file. Without a main account
// nothing is asked for.
ReportExportResult exportNetValuesTo(Desk& desk, NetValuePage& page, const ReportExportForm& form);

}  // namespace korvant
