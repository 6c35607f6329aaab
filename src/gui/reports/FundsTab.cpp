#include "gui/reports/FundsTab.h"

#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "gui/reports/FundsChartWindow.h"
#include "gui/shell/ContentPanel.h"
#include "gui/widgets/DateFields.h"

namespace korvant::gui {

FundsTab::FundsTab(Desk& desk, Runner run, QWidget* parent)
    : ReportQueryTab(desk, fundsPage(desk), run, parent), page_(fundsPage(desk)), runner_(run) {
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
    auto* chart = new QPushButton(QStringLiteral("走势图"), this);
    chart->setObjectName(QStringLiteral("fundsChart"));
    bar()->addWidget(chart);
    connect(chart, &QPushButton::clicked, this, [this] { openChart(); });
    bar()->addStretch(1);
    // The day, key and order are the page's at all times: a node chosen in
    // the report tree queries them without a search of the tab.
    readFields();
    connect(day_, &QDateEdit::dateChanged, this, [this] { readFields(); });
}

FundsChartWindow* FundsTab::openChart() {
    readFields();
    if (chart_ == nullptr) chart_ = new FundsChartWindow(desk_, runner_, this);
    // The typed account, else a sub-account chosen in the report tree.
    const std::string& account =
        !page_.account.empty() || page_.target.id >= 0 ? page_.account : page_.target.text;
    chart_->open(account, page_.day);
    return chart_;
}

void FundsTab::readFields() {
    page_.day = ymdOfDate(day_->date());
    page_.sortKey = sort_->currentIndex() + 1;
    page_.order = order_->currentIndex() + 1;
}

}  // namespace korvant::gui
