#include "gui/reports/FundsTab.h"

#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>

#include "gui/shell/ContentPanel.h"
#include "gui/widgets/DateFields.h"

namespace korvant::gui {

FundsTab::FundsTab(Desk& desk, Runner run, QWidget* parent)
    : ReportQueryTab(desk, fundsPage(desk), std::move(run), parent), page_(fundsPage(desk)) {
    bar()->addWidget(new QLabel(QStringLiteral("日期:"), this));
    day_ = addDateField();
    bar()->addWidget(new QLabel(QStringLiteral("排列方式:"), this));
    sort_ = new QComboBox(this);
    sort_->setObjectName(QStringLiteral("sort"));
    for (const char* caption : fundsSortCaptions()) sort_->addItem(QString::fromUtf8(caption));
    order_ = new QComboBox(this);
    order_->setObjectName(QStringLiteral("order"));
    order_->addItems({QStringLiteral("升序"), QStringLiteral("降序")});
    bar()->addWidget(sort_);
    bar()->addWidget(order_);
    connect(sort_, &QComboBox::activated, this, [this] { search(); });
    connect(order_, &QComboBox::activated, this, [this] { search(); });
    addAccountField();
    addButton(QStringLiteral("查询"), [this] { page_.search(desk_); });
    addButton(QStringLiteral("导出"), [this] { exportFunds(desk_, page_); });
    bar()->addStretch(1);
    // The day, key and order are the page's at all times: a node chosen in
    // the report tree queries them without a search of the tab.
    readFields();
    connect(day_, &QDateEdit::dateChanged, this, [this] { readFields(); });
}

void FundsTab::readFields() {
    page_.day = ymdOfDate(day_->date());
    page_.sortKey = sort_->currentIndex() + 1;
    page_.order = order_->currentIndex() + 1;
}

}  // namespace korvant::gui
