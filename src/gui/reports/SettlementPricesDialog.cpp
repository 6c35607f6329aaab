#include "gui/reports/SettlementPricesDialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace korvant::gui {

namespace {
constexpr int PriceColumn = 3;
}

SettlementPricesDialog::SettlementPricesDialog(SettlementPricesForm& form, QWidget* parent)
    : QDialog(parent),
      desk_(*form.desk),
      page_(*form.page),
      table_(new QTableWidget(this)),
      label_(new QLabel(this)) {
    setWindowTitle(QStringLiteral("结算价设置"));
    const auto& columns = page_.columns();
    table_->setColumnCount(static_cast<int>(columns.size()));
    QStringList headers;
    for (const ReportColumn& c : columns) headers << QString::fromStdString(c.caption);
    table_->setHorizontalHeaderLabels(headers);
    for (int c = 0; c < table_->columnCount(); ++c)
        table_->setColumnWidth(c, columns[static_cast<std::size_t>(c)].width);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setShowGrid(true);
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::DoubleClicked |
                            QAbstractItemView::EditKeyPressed);
    connect(table_, &QTableWidget::itemChanged, this, &SettlementPricesDialog::edited);

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
    exec();
    if (failure_) std::rethrow_exception(failure_);
    return true;
}

void SettlementPricesDialog::call(const std::function<void()>& work) {
    if (failure_) return;
    try {
        work();
    } catch (...) {
        failure_ = std::current_exception();
        reject();
    }
}

void SettlementPricesDialog::previousPage() {
    call([this] { page_.previous(desk_); });
    redraw();
}

void SettlementPricesDialog::nextPage() {
    call([this] { page_.next(desk_); });
    redraw();
}

void SettlementPricesDialog::edited(QTableWidgetItem* item) {
    if (drawing_ || item == nullptr || item->column() != PriceColumn) return;
    const int row = item->row();
    const std::string text = item->text().toStdString();
    call([this, row, &text] { page_.setPrice(desk_, row, text); });
    // The cell is redrawn from the core once the edit has finished.
    QMetaObject::invokeMethod(
        this, [this] { redraw(); }, Qt::QueuedConnection);
}

void SettlementPricesDialog::redraw() {
    drawing_ = true;
    const int rows = page_.rowCount();
    table_->setRowCount(rows);
    for (int row = 0; row < rows; ++row) {
        const std::vector<std::string> cells = page_.cells(row);
        for (int c = 0; c < static_cast<int>(cells.size()); ++c) {
            auto* item =
                new QTableWidgetItem(QString::fromStdString(cells[static_cast<std::size_t>(c)]));
            if (c != PriceColumn) item->setFlags(item->flags() & ~Qt::ItemIsEditable);
            table_->setItem(row, c, item);
        }
    }
    label_->setText(QString::fromStdString(page_.pageLabel()));
    drawing_ = false;
}

}  // namespace korvant::gui
