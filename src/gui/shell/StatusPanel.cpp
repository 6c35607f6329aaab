#include "gui/shell/StatusPanel.h"

#include <QHeaderView>
#include <QTableView>
#include <QTextEdit>

#include "gui/widgets/ListTableModel.h"
#include "gui/widgets/ListViewStyle.h"

namespace korvant::gui {

StatusPanel::StatusPanel(QWidget* parent)
    : QStackedWidget(parent),
      model_(new ListTableModel(this)),
      list_(new QTableView(this)),
      text_(new QTextEdit(this)) {
    model_->setCaptions({"时间", "当前操作", "描述"});
    list_->setModel(model_);
    styleReportList(list_);
    list_->setColumnWidth(0, 180);
    list_->setColumnWidth(1, 250);
    list_->setColumnWidth(2, 600);
    text_->setReadOnly(true);
    addWidget(list_);
    addWidget(text_);
    showList();
}

void StatusPanel::setRows(const std::vector<StatusRow>& rows) {
    std::vector<std::vector<std::string>> cells;
    cells.reserve(rows.size());
    for (const auto& row : rows) cells.push_back({row.time, row.title, row.detail});
    model_->setRows(cells);
}

void StatusPanel::showList() {
    setCurrentWidget(list_);
}

void StatusPanel::showText() {
    setCurrentWidget(text_);
}

bool StatusPanel::listShown() const {
    return currentWidget() == list_;
}

}  // namespace korvant::gui
