#include "gui/reports/TradingReportTabs.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

#include "app/desk/Desk.h"
#include "gui/shell/ContentPanel.h"
#include "gui/shell/ReportTabInstall.h"
#include "gui/widgets/DateFields.h"
#include "gui/widgets/ReportTable.h"
#include "reports/trading/PositionChange.h"
#include "reports/trading/TradingExports.h"
#include "reports/trading/TradingPages.h"
#include "view/DeskView.h"

namespace korvant::gui {

TradingReportTab::TradingReportTab(Desk& desk, TradingReportPage& page, Runner run, QWidget* parent)
    : ReportQueryTab(desk, page, std::move(run), parent), trading_(page), day_(nullptr) {
    bar()->addWidget(new QLabel(QStringLiteral("日期:"), this));
    day_ = addDateField();
    day_->setObjectName(QStringLiteral("day"));
    addAccountField();
    auto* search = new QPushButton(QStringLiteral("查询"), this);
    bar()->addWidget(search);
    connect(search, &QPushButton::clicked, this, [this] { this->search(); });
}

void TradingReportTab::readFields() {
    trading_.day = ymdOfDate(day_->date());
}

PositionsTab::PositionsTab(Desk& desk, PositionsPage& page, Runner run, QWidget* parent)
    : TradingReportTab(desk, page, std::move(run), parent) {
    QPushButton* modify = addButton(QStringLiteral("修改"), [this, &page] {
        modifyPositions(desk_, page, selectedReportRows(*table()));
    });
    bar()->addStretch(1);
    table()->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Enter on chosen positions does what "修改" does.
    setListKeys(*table(), [this, modify] {
        if (!selectedReportRows(*table()).empty() && modify->isEnabled()) modify->click();
    });
}

ExportingTab::ExportingTab(Desk& desk, TradingReportPage& page, Runner run, QWidget* parent,
                           std::function<void()> exportPages)
    : TradingReportTab(desk, page, std::move(run), parent) {
    addButton(QStringLiteral("导出"), std::move(exportPages));
    bar()->addStretch(1);
}

void installTradingReportTabs(DeskView& view, ContentPanel& content,
                              const ReportQueryTab::Runner& run) {
    Desk& desk = view.desk();
    auto* trades = new ExportingTab(desk, tradesPage(desk), run, &content,
                                    [&desk] { exportTradesFromDesk(desk, tradesPage(desk)); });
    trades->setObjectName(QStringLiteral("trades"));
    installReportTab(view, content, trades, TradesPage::Tab);
    auto* orders = new ExportingTab(desk, ordersPage(desk), run, &content,
                                    [&desk] { exportOrdersFromDesk(desk, ordersPage(desk)); });
    orders->setObjectName(QStringLiteral("orders"));
    installReportTab(view, content, orders, OrdersPage::Tab);
    auto* positions = new PositionsTab(desk, positionsPage(desk), run, &content);
    positions->setObjectName(QStringLiteral("positions"));
    installReportTab(view, content, positions, PositionsPage::Tab);
}

}  // namespace korvant::gui
