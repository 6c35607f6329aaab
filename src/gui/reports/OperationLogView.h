#pragma once

#include <QWidget>

#include <array>
#include <functional>

#include "reports/log/OperationLog.h"

class QCheckBox;
class QDateEdit;
class QLineEdit;
class QTableView;
class QTimeEdit;

namespace korvant {
class DeskView;
}

namespace korvant::gui {

class ContentPanel;

// The page of the "日志管理" view: "从" and "到" date and time pickers,
// "管理员:", "关键字:", the nine category boxes, "查询" and the list of one
// local page, paged through the main window's pager.
class OperationLogView : public QWidget {
    Q_OBJECT
public:
    using Runner = std::function<bool(const std::function<void()>&)>;
    OperationLogView(Desk& desk, Runner run, QWidget* parent = nullptr);

    OperationLogPage& page() { return page_; }
    QTableView* table() const { return table_; }
    QCheckBox* category(int index) const { return categories_[static_cast<std::size_t>(index)]; }
    QDateEdit* fromDate() const { return fromDate_; }
    QDateEdit* toDate() const { return toDate_; }

    // "查询"
    void search();
    void redraw();

private:
    void readFields();

    Desk& desk_;
    Runner run_;
    OperationLogPage page_;
    QDateEdit* fromDate_;
    QTimeEdit* fromTime_;
    QDateEdit* toDate_;
    QTimeEdit* toTime_;
    QLineEdit* administrator_;
    QLineEdit* keyword_;
    std::array<QCheckBox*, 9> categories_{};
    QTableView* table_;
};

// Puts the log page under the "日志管理" view and its pager into the core.
void installOperationLogView(DeskView& view, ContentPanel& content, OperationLogView::Runner run);

}  // namespace korvant::gui
