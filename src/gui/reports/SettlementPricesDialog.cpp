#include "gui/reports/SettlementPricesDialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "gui/widgets/ReportPageModel.h"
#include "gui/widgets/Remembered.h"
#include "gui/widgets/ReportTable.h"

namespace korvant::gui {

namespace {
constexpr int PriceColumn = 3;
}

SettlementPricesDialog::SettlementPricesDialog(SettlementPricesForm& form, QWidget* parent)
    : CoreCallDialog(parent),
      desk_(*form.desk),
      page_(*form.page),
      table_(new QTableView(this)),
      label_(new QLabel(this)) {
    setWindowTitle(QStringLiteral("结算价设置"));
    ReportPageModel* model = setUpReportTable(*table_, page_);
    model->setEditor(PriceColumn, [this](int row, const QString& text) { edited(row, text); });
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    rememberListLayout(*table_, QStringLiteral("settlementPrices"));
    // A click on a price opens its edit box.
    table_->setEditTriggers(QAbstractItemView::CurrentChanged | QAbstractItemView::SelectedClicked |
                            QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    connect(model, &ReportPageModel::pageLabelChanged, label_, &QLabel::setText);

    auto* previous = new QPushButton(QStringLiteral("上一页"), this);
    auto* next = new QPushButton(QStringLiteral("下一页"), this);
    auto* quit = new QPushButton(QStringLiteral("退出"), this);
    previous->setObjectName(QStringLiteral("previous"));
    next->setObjectName(QStringLiteral("next"));
    label_->setObjectName(QStringLiteral("pageLabel"));
    connect(previous, &QPushButton::clicked, this, &SettlementPricesDialog::previousPage);
    connect(next, &QPushButton::clicked, this, &SettlementPricesDialog::nextPage);
    connect(quit, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(previous);
    buttons->addWidget(next);
    buttons->addWidget(label_);
    buttons->addStretch();
    buttons->addWidget(quit);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_, 1);
    layout->addLayout(buttons);
    resize(660, 480);
}

bool SettlementPricesDialog::run() {
    redraw();
    execPassingFailure();
    return true;
}

void SettlementPricesDialog::previousPage() {
    call([this] { page_.previous(desk_); });
    redraw();
}

void SettlementPricesDialog::nextPage() {
    call([this] { page_.next(desk_); });
    redraw();
}

void SettlementPricesDialog::edited(int row, const QString& typed) {
    const std::string text = typed.toStdString();
    call([this, row, &text] { page_.setPrice(desk_, row, text); });
    // The cell is redrawn from the core once the edit has finished.
    QMetaObject::invokeMethod(
        this, [this] { redraw(); }, Qt::QueuedConnection);
}

void SettlementPricesDialog::redraw() {
    fillReportTable(*table_, page_);
    label_->setText(reportModel(*table_)->pageLabel());
}

}  // namespace korvant::gui
