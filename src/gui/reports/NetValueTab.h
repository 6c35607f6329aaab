#pragma once

#include "gui/widgets/ReportQueryTab.h"
#include "reports/money/NetValuePage.h"

class QComboBox;
class QDateEdit;

namespace korvant::gui {

class SeriesChart;

// The report tab " 净值 ": "时间范围:" "从" … "到", the editable "主账号:" list
// (filled with the chosen group's main accounts), "查询" and "导出"; under the
// list the chart of the rows listed: "份额净值" per main account, and its
// "权益" on a second axis while there are few lines.
class NetValueTab : public ReportQueryTab {
    Q_OBJECT
public:
    NetValueTab(Desk& desk, Runner run, QWidget* parent = nullptr);

    void redraw() override;
    SeriesChart* chart() const { return chart_; }

protected:
    void readFields() override;

private:
    NetValuePage& page_;
    QDateEdit* from_;
    QDateEdit* to_;
    QComboBox* mainAccount_;
    SeriesChart* chart_;
    std::vector<std::string> listed_;  // the entries of the list as drawn
};

}  // namespace korvant::gui
