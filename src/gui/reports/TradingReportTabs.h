#pragma once

#include <functional>

#include "gui/widgets/ReportQueryTab.h"

class QDateEdit;

namespace korvant {
class DeskView;
class TradingReportPage;
class PositionsPage;
}  // namespace korvant

namespace korvant::gui {

class ContentPanel;

// " 成交记录 ", " 委托记录 " and " 持仓记录 ": "日期:", "客户号:", "查询" and the
// page's second button ("导出" of the trades and orders, "修改" of the
// positions) over the list of one page.
class TradingReportTab : public ReportQueryTab {
    Q_OBJECT
public:
    TradingReportTab(Desk& desk, TradingReportPage& page, Runner run, QWidget* parent = nullptr);

protected:
    void readFields() override;

    TradingReportPage& trading_;

private:
    QDateEdit* day_;
};

// " 成交记录 " and " 委托记录 ": "导出" writes every page of a date range.
class ExportingTab : public TradingReportTab {
    Q_OBJECT
public:
    ExportingTab(Desk& desk, TradingReportPage& page, Runner run, QWidget* parent,
                 std::function<void()> exportPages);
};

// " 持仓记录 ": several rows may be chosen (Ctrl, Shift) for "修改".
class PositionsTab : public TradingReportTab {
    Q_OBJECT
public:
    PositionsTab(Desk& desk, PositionsPage& page, Runner run, QWidget* parent = nullptr);
};

// Creates the three tabs and shows each under the reports strip while its
// tab is selected.
void installTradingReportTabs(DeskView& view, ContentPanel& content,
                              const ReportQueryTab::Runner& run);

}  // namespace korvant::gui
