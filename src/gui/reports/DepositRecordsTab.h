#pragma once

#include "accounts/deposits/DepositRecordsPage.h"
#include "gui/widgets/ReportQueryTab.h"

namespace korvant::gui {

// The report tab " 出入金记录 ": "时间范围:" "从" … "到", "客户号:", "查询" and
// "导出", and the list of the records of one page. It draws the core's
// deposit-records page and hands it the typed fields; while its tab is
// selected the pager bar pages that page.
class DepositRecordsTab : public ReportQueryTab {
    Q_OBJECT
public:
    DepositRecordsTab(Desk& desk, Runner run, QWidget* parent = nullptr);

    const DepositRecordsPage& page() const { return page_; }

private:
    void readFields() override;

    DepositRecordsPage& page_;
    QDateEdit* from_;
    QDateEdit* to_;
};

}  // namespace korvant::gui
