#include "gui/shell/StatusPanel.h"

#include <QHeaderView>
#include <QTableView>
#include <QTextEdit>

#include "gui/widgets/ReportTable.h"

namespace korvant::gui {

StatusPanel::StatusPanel(QWidget* parent)
    : QStackedWidget(parent), list_(new QTableView(this)), text_(new QTextEdit(this)) {
    page_.columnList = {{"时间", 180}, {"当前操作", 250}, {"描述", 600}};
    setUpReportTable(*list_, page_);
    text_->setReadOnly(true);
    addWidget(list_);
    addWidget(text_);
    showList();
}

void StatusPanel::setRows(const std::vector<StatusRow>& rows) {
    page_.rows.clear();
    page_.rows.reserve(rows.size());
    for (const auto& row : rows) page_.rows.push_back({row.time, row.title, row.detail});
    fillReportTable(*list_, page_);
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
