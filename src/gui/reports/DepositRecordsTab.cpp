#include "gui/reports/DepositRecordsTab.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include "gui/shell/ContentPanel.h"
#include "gui/widgets/DateFields.h"

namespace korvant::gui {

DepositRecordsTab::DepositRecordsTab(Desk& desk, Runner run, QWidget* parent)
    : ReportQueryTab(desk, depositRecordsPage(desk), std::move(run), parent),
      page_(depositRecordsPage(desk)) {
    bar()->addWidget(new QLabel(QStringLiteral("时间范围:"), this));
    bar()->addWidget(new QLabel(QStringLiteral("从"), this));
    from_ = addDateField();
    from_->setObjectName(QStringLiteral("from"));
    bar()->addWidget(new QLabel(QStringLiteral("到"), this));
    to_ = addDateField();
    to_->setObjectName(QStringLiteral("to"));
    addAccountField(QStringLiteral("客户号:"))->setObjectName(QStringLiteral("customer"));
    addSearchButton();
    addButton(QStringLiteral("导出"), [this] { exportDepositRecords(desk_, page_); });
    bar()->addStretch();
}

void DepositRecordsTab::readFields() {
    page_.startDate = ymdOfDate(from_->date());
    page_.endDate = ymdOfDate(to_->date());
}

}  // namespace korvant::gui
