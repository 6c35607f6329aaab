#pragma once

#include <QWidget>

#include "gui/widgets/ReportQueryTab.h"
#include "reports/money/FundsHistory.h"

class QDateEdit;
class QLineEdit;

namespace korvant::gui {

class SeriesChart;

// "资金走势": the funds of one account day by day over a range ("客户号:",
// "从" … "到", "画图"): "权益", "可用资金" and "保证金" on the left axis,
// "风险度" on its own axis on the right.
class FundsChartWindow : public QWidget {
    Q_OBJECT
public:
    FundsChartWindow(Desk& desk, ReportQueryTab::Runner run, QWidget* parent = nullptr);

    // Opens the window for `account` and the days up to `endDate`.
    void open(const std::string& account, int32_t endDate);
    // Reads the range through the core and draws it.
    void draw();

    SeriesChart* chart() const { return chart_; }
    QLineEdit* account() const { return account_; }
    QDateEdit* from() const { return from_; }
    QDateEdit* to() const { return to_; }

private:
    Desk& desk_;
    ReportQueryTab::Runner run_;
    FundsHistory history_;
    QLineEdit* account_;
    QDateEdit* from_;
    QDateEdit* to_;
    SeriesChart* chart_;
};

}  // namespace korvant::gui
