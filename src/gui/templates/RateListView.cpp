#include "gui/templates/RateListView.h"

#include <QHeaderView>
#include <QMenu>

#include "app/Desk.h"
#include "gui/shell/ActionHooks.h"
#include "gui/widgets/ListTableModel.h"
#include "gui/widgets/ListViewStyle.h"
#include "templates/TemplateViews.h"

namespace korvant::gui {

RateListView::RateListView(Desk& desk, const TemplateKind& kind, ActionHooks& hooks,
                           QWidget* parent)
    : QTableView(parent), desk_(desk), kind_(kind), model_(new ListTableModel(this)) {
    setObjectName(kind.id == RateKind::Fee ? QStringLiteral("feeRates")
                                           : QStringLiteral("marginRates"));
    setModel(model_);
    styleReportList(this);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setShowGrid(true);

    auto* menu = new QMenu(this);
    QAction* modify = menu->addAction(QString::fromUtf8(kind.rowMenuText));
    hooks.hook(modify, kind.modifyRates, {},
               [this] { return templateView(desk_, kind_).selectedRow >= 0; });
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
    const RatePage& page = templateView(desk_, kind_).page;
    std::vector<std::string> captions;
    for (const ReportColumn& c : page.columns()) captions.push_back(c.caption);
    std::vector<std::vector<std::string>> rows;
    rows.reserve(static_cast<std::size_t>(page.rowCount()));
    for (int row = 0; row < page.rowCount(); ++row) rows.push_back(page.cells(row));
    model_->setCaptions(captions);
    model_->setRows(rows);
    for (std::size_t i = 0; i < page.columns().size(); ++i)
        setColumnWidth(static_cast<int>(i), page.columns()[i].width);
    setEnabled(page.enabled());
    // A redrawn page has no chosen row until the user picks one.
    if (selectionModel() != nullptr) {
        disconnect(selectionModel(), nullptr, this, nullptr);
        connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
                [this](const QModelIndex& current) {
                    templateView(desk_, kind_).selectedRow = current.isValid() ? current.row() : -1;
                });
    }
    templateView(desk_, kind_).selectedRow = -1;
}

}  // namespace korvant::gui
