#include "gui/risk/WarehouseView.h"

#include <QSignalBlocker>
#include <QTableView>
#include <QVBoxLayout>

#include "app/actions/ActionDispatcher.h"
#include "app/desk/Desk.h"
#include "gui/shell/ActionHooks.h"
#include "gui/shell/ContentPanel.h"
#include "gui/shell/MainWindow.h"
#include "gui/widgets/Remembered.h"
#include "gui/widgets/ReportTable.h"
#include "risk/RiskActions.h"
#include "risk/RiskArea.h"
#include "view/ToolbarCommand.h"

namespace korvant::gui {

WarehouseView::WarehouseView(MainWindow& window, QWidget* parent)
    : QWidget(parent), window_(window), desk_(window.desk()), table_(new QTableView(this)) {
    table_->setObjectName(QStringLiteral("warehouse"));
    markRememberedList(*table_, table_->objectName());
    setUpReportTable(*table_, riskArea(desk_).page);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(table_);
    // The rule acted on is the highlighted one, never a row that only has
    // the focus frame (the view gives one to the first row when it gets the
    // focus with nothing selected).
    connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { takeSelection(); });
    connect(table_, &QTableView::doubleClicked, this, [this] {
        window_.callCore([this] { desk_.dispatcher().send(ActionCode::ModifyRiskStrategy); });
    });
    // Enter modifies the highlighted rule, Delete deletes it (asking
    // first), as the toolbar's buttons do.
    setListKeys(
        *table_,
        [this] {
            if (riskArea(desk_).selectedRule == 0) return;
            window_.callCore([this] { desk_.dispatcher().send(ActionCode::ModifyRiskStrategy); });
        },
        [this] {
            if (riskArea(desk_).selectedRule == 0) return;
            window_.callCore([this] { runToolbarCommand(window_.view(), ToolbarCommand::Delete); });
        });
    observer_ = desk_.subscribe([this](DeskChange change) {
        if (change == DeskChange::RiskStrategies) redraw();
    });
}

WarehouseView::~WarehouseView() {
    desk_.unsubscribe(observer_);
}

void WarehouseView::takeSelection() {
    const QModelIndexList rows = table_->selectionModel()->selectedRows();
    const auto& rules = riskArea(desk_).page.rules();
    const int row = rows.size() == 1 ? rows.front().row() : -1;
    selectWarehouseRule(desk_, row >= 0 && row < static_cast<int>(rules.size())
                                   ? rules[static_cast<std::size_t>(row)].id
                                   : 0);
    window_.hooks()->refresh();
}

void WarehouseView::redraw() {
    const int32_t selected = riskArea(desk_).selectedRule;
    WarehousePage& page = riskArea(desk_).page;
    // The cache may have been reloaded since the page was listed.
    page.refresh(desk_);
    const QSignalBlocker blocker(table_);
    fillReportTable(*table_, page);
    int row = -1;
    for (std::size_t i = 0; i < page.rules().size(); ++i)
        if (page.rules()[i].id == selected) row = static_cast<int>(i);
    if (row >= 0) table_->selectRow(row);
    takeSelection();
}

void installRiskView(MainWindow& window) {
    auto* view = new WarehouseView(window);
    window.content()->setViewPage(ViewKind::Risk, view);
}

}  // namespace korvant::gui
