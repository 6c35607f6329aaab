#include "gui/templates/RateListView.h"

#include <QAction>
#include <QHeaderView>
#include <QMenu>

#include "app/desk/Desk.h"
#include "gui/shell/ActionHooks.h"
#include "gui/shell/MenuBuilder.h"
#include "gui/widgets/Remembered.h"
#include "gui/widgets/ReportPageModel.h"
#include "gui/widgets/ReportTable.h"
#include "templates/TemplateViews.h"

namespace korvant::gui {

RateListView::RateListView(Desk& desk, const TemplateKind& kind, ActionHooks& hooks,
                           QWidget* parent)
    : QTableView(parent),
      desk_(desk),
      kind_(kind),
      model_(setUpReportTable(*this, templateView(desk, kind).page)) {
    setObjectName(kind.id == RateKind::Fee ? QStringLiteral("feeRates")
                                           : QStringLiteral("marginRates"));
    markRememberedList(*this, objectName());
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this, &hooks](const QModelIndex& current) {
                templateView(desk_, kind_).selectedRow = current.isValid() ? current.row() : -1;
                hooks.refresh();
            });
    // A double-click on a rate opens the rate dialog, as in the account lists.
    connect(this, &QTableView::doubleClicked, this, [this, &hooks] {
        if (hooks.available(kind_.actions.modifyRates) &&
            templateView(desk_, kind_).selectedRow >= 0)
            hooks.trigger(kind_.actions.modifyRates, {});
    });

    auto* menu = new QMenu(this);
    QAction* modify = menu->addAction(
        withKeyText(menuCaption(kind.rates.rowMenuText), QKeySequence(Qt::Key_Enter)));
    hooks.hook(modify, kind.actions.modifyRates, {},
               [this] { return templateView(desk_, kind_).selectedRow >= 0; });
    // Enter opens the rate dialog of the chosen rate, as the pop-up does.
    setListKeys(*this, [modify, &hooks] {
        hooks.refresh();
        if (modify->isEnabled()) modify->trigger();
    });
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, [this, menu, &hooks](QPoint pos) {
        QModelIndex index = indexAt(pos);
        if (index.isValid()) selectRow(index.row());
        hooks.refresh();
        menu->popup(viewport()->mapToGlobal(pos));
    });
    observer_ = desk.subscribe([this](DeskChange change) {
        if (change == DeskChange::ReportRows) redraw();
    });
    redraw();
}

RateListView::~RateListView() {
    desk_.unsubscribe(observer_);
}

void RateListView::redraw() {
    TemplateView& view = templateView(desk_, kind_);
    fillReportTable(*this, view.page);
    setEnabled(view.page.enabled());
    // The row chosen before stays chosen while its contract is listed.
    const std::vector<int> kept = selectedReportRows(*this);
    view.selectedRow = kept.empty() ? -1 : kept.front();
}

}  // namespace korvant::gui
