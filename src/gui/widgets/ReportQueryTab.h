#pragma once

#include <QWidget>

#include <QDate>

#include <functional>
#include <vector>

class QDateEdit;
class QHBoxLayout;
class QLineEdit;
class QPushButton;
class QSplitter;
class QTableView;
class QTimer;

namespace korvant {
class Desk;
class DeskView;
class ReportQueryPage;
}  // namespace korvant

namespace korvant::gui {

// A report tab that draws one of the core's report query pages: a row of
// fields and buttons over the list of the page's rows. The fields write
// their values into the page; "查询", a changed date or choice and Enter in
// "客户号:" run the page's search; the pager, a node chosen in the report
// tree and every other query of the page redraw it through the page label.
class ReportQueryTab : public QWidget {
    Q_OBJECT
public:
    using Runner = std::function<bool(const std::function<void()>&)>;
    ReportQueryTab(Desk& desk, ReportQueryPage& page, Runner run, QWidget* parent = nullptr);
    ~ReportQueryTab() override;

    // The core's page the tab draws.
    ReportQueryPage& page() const { return page_; }
    // Puts the values of the fields on screen into the page.
    void takeFields() { readFields(); }

    // Reads the fields into the page and runs its search.
    void search();
    // Draws the page's account field and rows again.
    virtual void redraw();

    QTableView* table() const { return table_; }
    // The tab's dates on screen, left to right.
    std::vector<QDate> dates() const;
    // Puts remembered dates on screen and into the page without a query
    // (as many as the tab has; another count is ignored).
    void setDates(const std::vector<QDate>& dates);

protected:
    // The row of fields, for the tab's own labels and widgets.
    QHBoxLayout* bar() const { return bar_; }
    // Adds "客户号:" (digits only): typing goes to the page, Enter searches.
    QLineEdit* addAccountField(const QString& label = QStringLiteral("客户号:"));
    // Adds a date picker that searches once its editing ended on another date.
    QDateEdit* addDateField();
    // Adds "查询", which runs search().
    QPushButton* addSearchButton();
    // Puts `widget` under the list, the two parted by a splitter.
    void addUnderTable(QWidget* widget);
    // Adds a button that runs `work` through the desk's runner.
    QPushButton* addButton(const QString& caption, std::function<void()> work);
    // Puts the values of the tab's own fields into the page before a search
    // or an export.
    virtual void readFields() {}
    // Runs core work through the desk's runner.
    bool run(const std::function<void()>& work) { return run_(work); }

    Desk& desk_;

private:
    // A date typed or stepped queries once it rests this long.
    static constexpr int DatePauseMs = 700;
    void dateEditFinished(QDateEdit* date);
    // The dates on screen were queried (by the tab or from elsewhere).
    void datesQueried();

    ReportQueryPage& page_;
    Runner run_;
    int observer_ = 0;
    QHBoxLayout* bar_;
    QLineEdit* account_ = nullptr;
    std::vector<QDateEdit*> dates_;
    std::vector<QDate> queried_;
    std::vector<QTimer*> pauses_;  // one per date field
    QSplitter* split_;             // the list, and what a tab puts under it
    QTableView* table_;
};

}  // namespace korvant::gui
