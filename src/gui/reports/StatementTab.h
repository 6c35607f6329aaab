#pragma once

#include <QWidget>

#include <QDate>

#include <cstdint>
#include <functional>

#include "gui/widgets/Remembered.h"
#include "reports/statements/StatementPage.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace korvant {
class Desk;
class DeskView;
}  // namespace korvant

namespace korvant::gui {

class ContentPanel;

// The report tab " 结算单 ": "客户号:", the period type with the month list
// or the date pickers it shows, the style, "CSV格式", "查询", "另存为",
// "打印", "打印预览", "导出PDF", "批量导出", and the statement in a read-only
// text box in a fixed-pitch font. It draws the core's statement page and
// hands it the typed values.
class StatementTab : public QWidget, public RememberedFields {
    Q_OBJECT
public:
    using Runner = std::function<bool(const std::function<void()>&)>;
    StatementTab(Desk& desk, Runner run, QWidget* parent = nullptr);
    ~StatementTab() override;

    // Shows the tab under the reports strip while " 结算单 " is selected.
    static StatementTab* install(DeskView& view, ContentPanel& content, Runner run);

    const StatementPage& page() const { return page_; }

    // The fields a user sets and the desk remembers: the period type, the
    // day or range, the month, the style and "CSV格式".
    struct Fields {
        int period = 0;
        QDate from;
        QDate to;
        int32_t month = 0;
        int style = 0;
        bool csv = false;
    };
    Fields fields() const;
    // Puts remembered fields on screen and into the page without a query; a
    // month no longer in the list is left as it is.
    void setFields(const Fields& fields);
    // Its fields kept as "statement.period", ".dates", ".month", ".style" and
    // ".csv".
    void recallFields(const RememberedValues& values, int32_t today) override;
    void rememberFields(RememberedValues& values, int32_t today) const override;
    void search();
    void redraw();
    void print();
    void preview();
    void exportPdf();

private:
    void readFields();
    void showPeriodFields();

    Desk& desk_;
    Runner run_;
    StatementPage& page_;
    int observer_ = 0;
    QLineEdit* account_;
    QComboBox* period_;
    QComboBox* month_;
    QDateEdit* from_;
    QLabel* toLabel_;
    QDateEdit* to_;
    QComboBox* style_;
    QCheckBox* csv_;
    QPlainTextEdit* text_;
};

}  // namespace korvant::gui
