#include "gui/accounts/DepositRecordsTab.h"
#include "gui/widgets/ReportTable.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTableView>
#include <QVBoxLayout>

#include "app/Desk.h"
#include "gui/shell/ContentPanel.h"
#include "gui/widgets/DateFields.h"

namespace korvant::gui {

DepositRecordsTab::DepositRecordsTab(Desk& desk, Runner run, QWidget* parent)
    : QWidget(parent),
      desk_(desk),
      run_(std::move(run)),
      page_(depositRecordsPage(desk)),
      from_(new QDateEdit(QDate::currentDate(), this)),
      to_(new QDateEdit(QDate::currentDate(), this)),
      customer_(new QLineEdit(this)),
      table_(new QTableView(this)) {
    from_->setObjectName(QStringLiteral("from"));
    to_->setObjectName(QStringLiteral("to"));
    customer_->setObjectName(QStringLiteral("customer"));
    for (QDateEdit* date : {from_, to_}) {
        setUpDateField(date);
        // A changed date queries once its editing is done, not at every
        // arrow step or keystroke.
        connect(date, &QDateEdit::editingFinished, this, [this, date] { dateEditFinished(date); });
        // A day picked in the calendar is a finished choice.
        connect(
            date->calendarWidget(), &QCalendarWidget::clicked, this,
            [this, date] { dateEditFinished(date); }, Qt::QueuedConnection);
    }
    queriedFrom_ = from_->date();
    queriedTo_ = to_->date();
    auto* search = new QPushButton(QStringLiteral("查询"), this);
    auto* exportButton = new QPushButton(QStringLiteral("导出"), this);
    auto* bar = new QHBoxLayout;
    bar->addWidget(new QLabel(QStringLiteral("时间范围:"), this));
    bar->addWidget(new QLabel(QStringLiteral("从"), this));
    bar->addWidget(from_);
    bar->addWidget(new QLabel(QStringLiteral("到"), this));
    bar->addWidget(to_);
    bar->addWidget(new QLabel(QStringLiteral("客户号:"), this));
    bar->addWidget(customer_);
    bar->addWidget(search);
    bar->addWidget(exportButton);
    bar->addStretch();

    setUpReportTable(*table_, page_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(bar);
    layout->addWidget(table_, 1);

    connect(search, &QPushButton::clicked, this, [this] { this->search(); });
    // The typed number goes to the page as it is typed, so that a node
    // chosen in the report tree (which empties it) is not undone by the
    // next query reading a stale field.
    connect(customer_, &QLineEdit::textEdited, this,
            [this](const QString& text) { page_.customer = text.toStdString(); });
    connect(exportButton, &QPushButton::clicked, this, [this] {
        readFields();
        run_([this] { exportDepositRecords(desk_, page_); });
    });
    // A query run from elsewhere (the pager, a node chosen in the report
    // tree) ends with the page label: the rows are drawn again then.
    observer_ = desk_.subscribe([this](DeskChange change) {
        if (change == DeskChange::PageLabel && reportPages(desk_).shown == &page_) redraw();
    });
}

DepositRecordsTab::~DepositRecordsTab() {
    desk_.unsubscribe(observer_);
    // The date fields lose their focus while the window is torn down, after
    // this part of the object is gone: their signals must not reach it.
    for (QDateEdit* date : {from_, to_}) {
        date->disconnect(this);
        date->calendarWidget()->disconnect(this);
    }
}

void DepositRecordsTab::readFields() {
    page_.startDate = ymdOfDate(from_->date());
    page_.endDate = ymdOfDate(to_->date());
}

void DepositRecordsTab::dateEditFinished(QDateEdit* date) {
    if (from_->date() == queriedFrom_ && to_->date() == queriedTo_) return;
    // Moving on from one end of the range to the other: the range is still
    // being typed, and may look wrong only on the way. The query runs when
    // the other end is done.
    QDateEdit* other = date == from_ ? to_ : from_;
    QWidget* focus = QApplication::focusWidget();
    if (!date->hasFocus() && focus != nullptr && (focus == other || other->isAncestorOf(focus)))
        return;
    search();
}

void DepositRecordsTab::search() {
    readFields();
    queriedFrom_ = from_->date();
    queriedTo_ = to_->date();
    run_([this] { searchDepositRecords(desk_, page_); });
    redraw();
}

void DepositRecordsTab::redraw() {
    const QString customer = QString::fromStdString(page_.customer);
    if (customer_->text() != customer) customer_->setText(customer);
    fillReportTable(*table_, page_);
}

void DepositRecordsTab::install(Desk& desk, ContentPanel& content, Runner run) {
    QTabBar* strip = content.viewStrip(ViewKind::Reports);
    if (strip == nullptr) return;
    auto* tab = new DepositRecordsTab(desk, std::move(run), &content);
    tab->hide();
    auto shown = [&desk, &content, tab](int index) {
        showDepositRecordsTab(desk, index == DepositRecordsPage::Tab);
        if (index != DepositRecordsPage::Tab) return;
        tab->redraw();
        if (content.viewPage(ViewKind::Reports) != tab) content.setViewPage(ViewKind::Reports, tab);
        if (desk.mainState().view == ViewKind::Reports)
            content.showView(ViewKind::Reports, desk.mainState().strip, desk.mainState().shownList);
    };
    QObject::connect(strip, &QTabBar::currentChanged, tab, shown);
}

}  // namespace korvant::gui
