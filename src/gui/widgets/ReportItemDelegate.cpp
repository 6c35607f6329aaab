#include "gui/widgets/ReportItemDelegate.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QStyle>
#include <QToolTip>

namespace korvant::gui {

bool ReportItemDelegate::textIsCut(const QStyleOptionViewItem& option, const QString& text) {
    if (text.isEmpty()) return false;
    const QStyle* style = option.widget != nullptr ? option.widget->style() : QApplication::style();
    // The margins the style keeps on both sides of a cell's text.
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, option.widget) + 1;
    return option.fontMetrics.horizontalAdvance(text) > option.rect.width() - 2 * margin;
}

bool ReportItemDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view,
                                   const QStyleOptionViewItem& option, const QModelIndex& index) {
    if (event == nullptr || event->type() != QEvent::ToolTip || !index.isValid())
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    const QString text = index.data(Qt::DisplayRole).toString();
    if (textIsCut(option, text)) {
        QToolTip::showText(event->globalPos(), text, view, option.rect);
    } else {
        QToolTip::hideText();
        event->ignore();
    }
    return true;
}

}  // namespace korvant::gui
