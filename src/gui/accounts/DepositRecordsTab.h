#pragma once

#include <QDate>
#include <QWidget>

#include <functional>

#include "accounts/deposits/DepositRecordsPage.h"

class QDateEdit;
class QLineEdit;
class QTableView;

namespace korvant {
class Desk;
}

namespace korvant::gui {

class ContentPanel;

// The report tab " 出入金记录 ": "时间范围:" "从" … "到", "客户号:", "查询" and
// "导出", and the list of the records of one page. It draws the core's
// deposit-records page and hands it the typed fields; while its tab is
// selected the pager bar pages that page.
class DepositRecordsTab : public QWidget {
    Q_OBJECT
public:
    using Runner = std::function<bool(const std::function<void()>&)>;
    DepositRecordsTab(Desk& desk, Runner run, QWidget* parent = nullptr);
    ~DepositRecordsTab() override;

    // Shows the tab under the reports strip while " 出入金记录 " is selected.
    static void install(Desk& desk, ContentPanel& content, Runner run);

    const DepositRecordsPage& page() const { return page_; }
    void search();
    void redraw();

private:
    void readFields();
    void dateEditFinished(QDateEdit* date);

    Desk& desk_;
    Runner run_;
    DepositRecordsPage& page_;
    int observer_ = 0;
    QDateEdit* from_;
    QDateEdit* to_;
    // The range of the last query: a date edit that ends on it queries nothing.
    QDate queriedFrom_;
    QDate queriedTo_;
    QLineEdit* customer_;
    QTableView* table_;
};

}  // namespace korvant::gui
