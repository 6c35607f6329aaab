#include "gui/reports/FundsChartWindow.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "app/desk/Desk.h"
#include "gui/widgets/DateFields.h"
#include "gui/widgets/SeriesChart.h"
#include "reports/money/MoneySeries.h"

namespace korvant::gui {

FundsChartWindow::FundsChartWindow(Desk& desk, ReportQueryTab::Runner run, QWidget* parent)
    : QWidget(parent, Qt::Window),
      desk_(desk),
      run_(std::move(run)),
      account_(new QLineEdit(this)),
      from_(new QDateEdit(QDate::currentDate().addDays(-30), this)),
      to_(new QDateEdit(QDate::currentDate(), this)),
      chart_(new SeriesChart(desk.port(), QStringLiteral("资金走势"), this)) {
    setWindowTitle(QStringLiteral("资金走势"));
    setObjectName(QStringLiteral("fundsChart"));
    resize(900, 560);
    account_->setObjectName(QStringLiteral("account"));
    account_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), account_));
    account_->setMaxLength(31);
    setUpDateField(from_);
    setUpDateField(to_);
    auto* draw = new QPushButton(QStringLiteral("画图"), this);
    draw->setObjectName(QStringLiteral("draw"));
    auto* bar = new QHBoxLayout;
    bar->addWidget(new QLabel(QStringLiteral("客户号:"), this));
    bar->addWidget(account_);
    bar->addWidget(new QLabel(QStringLiteral("从"), this));
    bar->addWidget(from_);
    bar->addWidget(new QLabel(QStringLiteral("到"), this));
    bar->addWidget(to_);
    bar->addWidget(draw);
    bar->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(chart_, 1);
    connect(draw, &QPushButton::clicked, this, &FundsChartWindow::draw);
    connect(account_, &QLineEdit::returnPressed, this, &FundsChartWindow::draw);
}

void FundsChartWindow::open(const std::string& account, int32_t endDate) {
    if (!account.empty()) account_->setText(QString::fromStdString(account));
    const QDate end = dateOfYmd(endDate);
    to_->setDate(end);
    from_->setDate(end.addDays(-30));
    show();
    raise();
    activateWindow();
}

void FundsChartWindow::draw() {
    history_.account = account_->text().trimmed().toStdString();
    history_.startDate = ymdOfDate(from_->date());
    history_.endDate = ymdOfDate(to_->date());
    history_.rows.clear();
    history_.complete = false;
    run_([this] { readFundsHistory(desk_, history_); });
    const FundsSeries series = fundsSeries(history_.rows, history_.account);
    std::string note;
    if (history_.rows.empty())
        note = "所选日期没有该账号的资金记录";
    else if (!history_.complete)
        note = "读取未完成：图中只有已读的日期";
    chart_->show(QStringLiteral("资金走势 ") + account_->text(),
                 {QStringLiteral("金额"), 2, {series.equity, series.available, series.margin}},
                 {QStringLiteral("风险度(%)"), 2, {series.risk}}, note);
}

}  // namespace korvant::gui
