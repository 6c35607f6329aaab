#include "gui/widgets/ReportQueryTab.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTabBar>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include "app/desk/Desk.h"
#include "app/pages/ReportQueryPage.h"
#include "gui/widgets/CoreBusy.h"
#include "gui/widgets/DateFields.h"
#include "gui/widgets/OwnAccessKeys.h"
#include "gui/widgets/ReportTable.h"
#include "view/DeskView.h"

namespace korvant::gui {

ReportQueryTab::ReportQueryTab(Desk& desk, ReportQueryPage& page, Runner run, QWidget* parent)
    : QWidget(parent),
      desk_(desk),
      page_(page),
      run_(std::move(run)),
      bar_(new QHBoxLayout),
      split_(new QSplitter(Qt::Vertical, this)),
      table_(new QTableView(split_)) {
    markOwnAccessKeys(*this);
    split_->addWidget(table_);
    split_->setChildrenCollapsible(false);
    setUpReportTable(*table_, page_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(bar_);
    layout->addWidget(split_, 1);
    // A query run from elsewhere (the pager, a node chosen in the report
    // tree) ends with the page label: the rows are drawn again then.
    observer_ = desk_.subscribe([this](DeskChange change) {
        if (change != DeskChange::PageLabel || reportPages(desk_).shown != &page_) return;
        // Every query of the page asks for the dates on screen.
        datesQueried();
        redraw();
    });
}

ReportQueryTab::~ReportQueryTab() {
    desk_.unsubscribe(observer_);
    // The date fields lose their focus while the window is torn down, after
    // this part of the object is gone: their signals must not reach it.
    for (QDateEdit* date : dates_) {
        date->disconnect(this);
        date->calendarWidget()->disconnect(this);
    }
}

QLineEdit* ReportQueryTab::addAccountField(const QString& label) {
    account_ = new QLineEdit(this);
    account_->setObjectName(QStringLiteral("account"));
    // Ctrl+F puts the cursor here.
    account_->setProperty("searchField", true);
    account_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), account_));
    bar_->addWidget(new QLabel(label, this));
    bar_->addWidget(account_);
    // The typed number goes to the page as it is typed, so that a node
    // chosen in the report tree (which empties it) is not undone by the next
    // query reading a stale field.
    connect(account_, &QLineEdit::textEdited, this,
            [this](const QString& text) { page_.account = text.toStdString(); });
    connect(account_, &QLineEdit::returnPressed, this, [this] { search(); });
    return account_;
}

QDateEdit* ReportQueryTab::addDateField() {
    auto* date = new QDateEdit(QDate::currentDate(), this);
    setUpDateField(date);
    dates_.push_back(date);
    queried_.push_back(date->date());
    // The dates on screen are the page's at all times: a node chosen in the
    // report tree or the pager queries them without a search of the tab.
    connect(date, &QDateEdit::dateChanged, this, [this] { readFields(); });
    // A changed date queries once its editing is done (Enter, the focus
    // leaving, a day picked in the calendar) or has paused (typed digits,
    // arrow steps), not at every keystroke.
    connect(date, &QDateEdit::editingFinished, this, [this, date] { dateEditFinished(date); });
    connect(
        date->calendarWidget(), &QCalendarWidget::clicked, this,
        [this, date] { dateEditFinished(date); }, Qt::QueuedConnection);
    auto* pause = new QTimer(this);
    pauses_.push_back(pause);
    pause->setSingleShot(true);
    pause->setInterval(DatePauseMs);
    connect(pause, &QTimer::timeout, this, [this, date, pause] {
        // Not in the middle of other work of the core: after it.
        if (coreBusy()) return pause->start();
        // Typed digits count once they make a whole date.
        if (date->hasAcceptableInput()) date->interpretText();
        dateEditFinished(date);
    });
    const auto restart = [pause] { pause->start(); };
    connect(date, &QDateEdit::dateChanged, pause, restart);
    if (auto* line = date->findChild<QLineEdit*>())
        connect(line, &QLineEdit::textEdited, pause, restart);
    bar_->addWidget(date);
    return date;
}

QPushButton* ReportQueryTab::addSearchButton() {
    auto* button = new QPushButton(QStringLiteral("查询"), this);
    bar_->addWidget(button);
    connect(button, &QPushButton::clicked, this, [this] { search(); });
    return button;
}

void ReportQueryTab::addUnderTable(QWidget* widget) {
    split_->addWidget(widget);
    split_->setStretchFactor(0, 1);
    split_->setStretchFactor(1, 1);
}

QPushButton* ReportQueryTab::addButton(const QString& caption, std::function<void()> work) {
    auto* button = new QPushButton(caption, this);
    bar_->addWidget(button);
    connect(button, &QPushButton::clicked, this, [this, work = std::move(work)] {
        readFields();
        run_(work);
        redraw();
    });
    return button;
}

void ReportQueryTab::dateEditFinished(QDateEdit* date) {
    for (QTimer* pause : pauses_) pause->stop();
    bool changed = false;
    for (std::size_t i = 0; i < dates_.size(); ++i) changed |= dates_[i]->date() != queried_[i];
    if (!changed) return;
    // Moving on from one end of a range to the other: the range is still
    // being typed. The query runs when the other end is done.
    QWidget* focus = QApplication::focusWidget();
    if (!date->hasFocus() && focus != nullptr)
        for (QDateEdit* other : dates_)
            if (other != date && (focus == other || other->isAncestorOf(focus))) return;
    search();
}

void ReportQueryTab::search() {
    for (QTimer* pause : pauses_) pause->stop();
    readFields();
    if (run_([this] { page_.search(desk_); })) datesQueried();
    redraw();
}

void ReportQueryTab::datesQueried() {
    for (std::size_t i = 0; i < dates_.size(); ++i) queried_[i] = dates_[i]->date();
    for (QTimer* pause : pauses_) pause->stop();
}

void ReportQueryTab::redraw() {
    if (account_ != nullptr) {
        const QString account = QString::fromStdString(page_.account);
        if (account_->text() != account) account_->setText(account);
    }
    fillReportTable(*table_, page_);
}

std::vector<QDate> ReportQueryTab::dates() const {
    std::vector<QDate> shown;
    for (const QDateEdit* date : dates_) shown.push_back(date->date());
    return shown;
}

void ReportQueryTab::setDates(const std::vector<QDate>& dates) {
    if (dates.size() != dates_.size()) return;
    for (std::size_t i = 0; i < dates.size(); ++i) {
        if (!dates[i].isValid()) return;
        const QSignalBlocker blocker(dates_[i]);
        dates_[i]->setDate(dates[i]);
    }
    readFields();
    datesQueried();
}

}  // namespace korvant::gui
