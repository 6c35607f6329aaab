#include "gui/reports/OperationLogView.h"
#include "gui/widgets/OwnAccessKeys.h"
#include "gui/widgets/Remembered.h"
#include "gui/widgets/ReportTable.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QTimeEdit>
#include <QVBoxLayout>

#include "app/desk/Desk.h"
#include "gui/shell/ContentPanel.h"
#include "gui/widgets/GbkLengthValidator.h"
#include "view/DeskView.h"
#include "view/ViewPaging.h"

namespace korvant::gui {

OperationLogView::OperationLogView(Desk& desk, Runner run, QWidget* parent)
    : QWidget(parent),
      desk_(desk),
      run_(std::move(run)),
      fromDate_(new QDateEdit(QDate::currentDate(), this)),
      fromTime_(new QTimeEdit(QTime(0, 0, 0), this)),
      toDate_(new QDateEdit(QDate::currentDate(), this)),
      toTime_(new QTimeEdit(QTime(23, 59, 59), this)),
      administrator_(new QLineEdit(this)),
      keyword_(new QLineEdit(this)),
      table_(new QTableView(this)) {
    for (QDateEdit* date : {fromDate_, toDate_}) {
        date->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        date->setCalendarPopup(true);
    }
    for (QTimeEdit* time : {fromTime_, toTime_}) time->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    administrator_->setValidator(new GbkLengthValidator(15, administrator_));
    keyword_->setValidator(new GbkLengthValidator(15, keyword_));
    // Ctrl+F puts the cursor here.
    keyword_->setProperty("searchField", true);
    table_->setObjectName(QStringLiteral("log"));
    markRememberedList(*table_, table_->objectName());
    markOwnAccessKeys(*this);
    auto* query = new QPushButton(QStringLiteral("查询"), this);
    query->setObjectName(QStringLiteral("query"));
    query->setDefault(true);

    auto* span = new QHBoxLayout;
    span->addWidget(new QLabel(QStringLiteral("从"), this));
    span->addWidget(fromDate_);
    span->addWidget(fromTime_);
    span->addWidget(new QLabel(QStringLiteral("到"), this));
    span->addWidget(toDate_);
    span->addWidget(toTime_);
    span->addWidget(new QLabel(QStringLiteral("管理员:"), this));
    span->addWidget(administrator_);
    span->addWidget(new QLabel(QStringLiteral("关键字:"), this));
    span->addWidget(keyword_);
    span->addWidget(query);
    span->addStretch();
    auto* boxes = new QHBoxLayout;
    for (std::size_t i = 0; i < categories_.size(); ++i) {
        categories_[i] = new QCheckBox(QString::fromUtf8(logCategories()[i].caption), this);
        boxes->addWidget(categories_[i]);
    }
    boxes->addStretch();

    setUpReportTable(*table_, page_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(span);
    layout->addLayout(boxes);
    layout->addWidget(table_, 1);
    connect(query, &QPushButton::clicked, this, [this] { search(); });
    connect(administrator_, &QLineEdit::returnPressed, this, [this] { search(); });
    connect(keyword_, &QLineEdit::returnPressed, this, [this] { search(); });
}

void OperationLogView::readFields() {
    LogQuery& q = page_.query;
    auto point = [](const QDate& d, const QTime& t) {
        return LogDateTime{d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second()};
    };
    q.from = point(fromDate_->date(), fromTime_->time());
    q.to = point(toDate_->date(), toTime_->time());
    q.administrator = administrator_->text().toStdString();
    q.keyword = keyword_->text().toStdString();
    for (std::size_t i = 0; i < categories_.size(); ++i)
        q.categories[i] = categories_[i]->isChecked();
}

void OperationLogView::search() {
    readFields();
    run_([this] { page_.search(desk_); });
    redraw();
}

void OperationLogView::redraw() {
    fillReportTable(*table_, page_);
}

void installOperationLogView(DeskView& deskView, ContentPanel& content,
                             OperationLogView::Runner run) {
    Desk& desk = deskView.desk();
    auto* view = new OperationLogView(desk, std::move(run), &content);
    content.setViewPage(ViewKind::Logs, view);
    QPointer<OperationLogView> guarded(view);
    ViewPager pager = reportPager(desk, view->page());
    auto showPage = pager.query;
    pager.query = [showPage, guarded](int page) {
        if (!guarded) return;
        showPage(page);
        guarded->redraw();
    };
    deskView.state().pagers[ViewKind::Logs] = pager;
}

}  // namespace korvant::gui
