#pragma once

#include "gui/widgets/ReportQueryTab.h"
#include "reports/money/FundsPage.h"

class QComboBox;
class QDateEdit;

namespace korvant::gui {

class FundsChartWindow;

// The report tab " 账户资金 ": "日期:", "排列方式:" (key and order, each change
// queries), "客户号:", "查询", "导出" and "走势图" over the funds of one page.
class FundsTab : public ReportQueryTab {
    Q_OBJECT
public:
    FundsTab(Desk& desk, Runner run, QWidget* parent = nullptr);

    // "走势图": the funds of the account in "客户号:" over the days up to
    // "日期:", in a window of its own.
    FundsChartWindow* openChart();

protected:
    void readFields() override;

private:
    FundsPage& page_;
    QDateEdit* day_;
    QComboBox* sort_;
    QComboBox* order_;
    Runner runner_;
    FundsChartWindow* chart_ = nullptr;
};

}  // namespace korvant::gui
