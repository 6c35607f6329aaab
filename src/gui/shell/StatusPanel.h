#pragma once

#include <QStackedWidget>

#include <string>
#include <vector>

#include "app/pages/FixedRowsPage.h"
#include "local/StatusList.h"

class QTableView;
class QTextEdit;

namespace korvant::gui {

// The place under the content panel: the status list of the last operation
// ("时间", "当前操作", "描述") and, in the same place, a read-only text
// field. Exactly one of the two is visible.
class StatusPanel : public QStackedWidget {
    Q_OBJECT
public:
    explicit StatusPanel(QWidget* parent = nullptr);

    void setRows(const std::vector<StatusRow>& rows);
    void showList();
    void showText();
    bool listShown() const;

    QTableView* list() const { return list_; }
    QTextEdit* textField() const { return text_; }

private:
    FixedRowsPage page_;
    QTableView* list_;
    QTextEdit* text_;
};

}  // namespace korvant::gui
