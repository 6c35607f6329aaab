#include "gui/reports/NetValueTab.h"

#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include "gui/shell/ContentPanel.h"
#include "gui/widgets/DateFields.h"
#include "gui/widgets/SeriesChart.h"
#include "reports/money/MoneySeries.h"

namespace korvant::gui {
namespace {

// With more main accounts the dashed equity lines would crowd the chart.
constexpr std::size_t MaxEquityLines = 2;

}  // namespace

NetValueTab::NetValueTab(Desk& desk, Runner run, QWidget* parent)
    : ReportQueryTab(desk, netValuePage(desk), std::move(run), parent), page_(netValuePage(desk)) {
    bar()->addWidget(new QLabel(QStringLiteral("时间范围:"), this));
    bar()->addWidget(new QLabel(QStringLiteral("从"), this));
    from_ = addDateField();
    bar()->addWidget(new QLabel(QStringLiteral("到"), this));
    to_ = addDateField();
    bar()->addWidget(new QLabel(QStringLiteral("主账号:"), this));
    mainAccount_ = new QComboBox(this);
    mainAccount_->setObjectName(QStringLiteral("mainAccount"));
    mainAccount_->setEditable(true);
    mainAccount_->setMinimumContentsLength(16);
    mainAccount_->lineEdit()->setMaxLength(15);
    // Ctrl+F puts the cursor here.
    mainAccount_->setProperty("searchField", true);
    bar()->addWidget(mainAccount_);
    connect(mainAccount_->lineEdit(), &QLineEdit::returnPressed, this, [this] { search(); });
    connect(mainAccount_, &QComboBox::activated, this, [this] { search(); });
    addButton(QStringLiteral("查询"), [this] { page_.search(desk_); });
    addButton(QStringLiteral("导出"), [this] { exportNetValues(desk_, page_); });
    bar()->addStretch(1);
    chart_ = new SeriesChart(desk.port(), QStringLiteral("净值走势"), this);
    addUnderTable(chart_);
    // The range is the page's at all times: a node chosen in the report tree
    // queries it without a search of the tab.
    const auto takeRange = [this] {
        page_.startDate = ymdOfDate(from_->date());
        page_.endDate = ymdOfDate(to_->date());
    };
    takeRange();
    connect(from_, &QDateEdit::dateChanged, this, takeRange);
    connect(to_, &QDateEdit::dateChanged, this, takeRange);
}

void NetValueTab::readFields() {
    page_.startDate = ymdOfDate(from_->date());
    page_.endDate = ymdOfDate(to_->date());
    page_.account = mainAccount_->currentText().trimmed().toStdString();
}

void NetValueTab::redraw() {
    if (listed_ != page_.mainAccounts) {
        listed_ = page_.mainAccounts;
        mainAccount_->clear();
        for (const std::string& name : listed_) mainAccount_->addItem(QString::fromStdString(name));
    }
    const QString text = QString::fromStdString(page_.account);
    if (mainAccount_->currentText() != text) mainAccount_->setEditText(text);
    ReportQueryTab::redraw();
    // The rows listed, nothing asked for: a range of several pages is drawn
    // as far as it was read, and the note says so.
    const NetValueSeries series = netValueSeries(page_.rows.records);
    SeriesChart::Axis shares{QStringLiteral("份额净值"), 4, series.shareValues};
    SeriesChart::Axis equities{QStringLiteral("权益"), 2, {}};
    if (series.equities.size() <= MaxEquityLines)
        for (Series equity : series.equities) {
            equity.name += " 权益";
            equities.lines.push_back(std::move(equity));
        }
    chart_->show(QStringLiteral("净值走势"), shares, equities,
                 seriesNote(page_.rows.cursor, series.leftOut));
}

}  // namespace korvant::gui
