#pragma once

#include <QStyledItemDelegate>

namespace korvant::gui {

// The delegate of every report list: cells drawn as the style draws them,
// elided in the middle where they do not fit, and a cell whose text is cut
// shows the whole text as its tooltip.
class ReportItemDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // Whether `text` is cut in a cell drawn with `option`.
    static bool textIsCut(const QStyleOptionViewItem& option, const QString& text);

    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;
};

}  // namespace korvant::gui
