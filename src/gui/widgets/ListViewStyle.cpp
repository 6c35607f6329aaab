#include "gui/widgets/ListViewStyle.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QTableView>

namespace korvant::gui {

int listRowHeight() {
    return QFontMetrics(QApplication::font()).height() + 6;
}

void styleReportList(QTableView* view) {
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setShowGrid(true);
    view->setWordWrap(false);
    view->verticalHeader()->hide();
    // One row height for every list, whatever its font or style.
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setMinimumSectionSize(1);
    view->verticalHeader()->setDefaultSectionSize(listRowHeight());
    view->horizontalHeader()->setHighlightSections(false);
    view->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    view->horizontalHeader()->setStretchLastSection(true);
}

}  // namespace korvant::gui
