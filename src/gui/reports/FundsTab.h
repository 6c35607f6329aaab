#pragma once

#include "gui/widgets/ReportQueryTab.h"
#include "reports/money/FundsPage.h"

class QComboBox;
class QDateEdit;

namespace korvant::gui {

// The report tab " 账户资金 ": "日期:", "排列方式:" (key and order, each change
// queries), "客户号:", "查询" and "导出" over the funds of one page.
class FundsTab : public ReportQueryTab {
    Q_OBJECT
public:
    FundsTab(Desk& desk, Runner run, QWidget* parent = nullptr);

protected:
    void readFields() override;

private:
    FundsPage& page_;
    QDateEdit* day_;
    QComboBox* sort_;
    QComboBox* order_;
};

}  // namespace korvant::gui
