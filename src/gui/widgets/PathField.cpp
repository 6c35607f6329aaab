#include "gui/widgets/PathField.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

namespace korvant::gui {

PathField::PathField(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textChanged, this, [this](const QString& path) { setToolTip(path); });
}

void PathField::paintEvent(QPaintEvent* event) {
    if (!isReadOnly() || hasFocus()) return QLineEdit::paintEvent(event);
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
    const QRect contents =
        style()->subElementRect(QStyle::SE_LineEditContents, &panel, this).adjusted(2, 0, -2, 0);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text));
    painter.drawText(contents, Qt::AlignLeft | Qt::AlignVCenter,
                     fontMetrics().elidedText(text(), Qt::ElideMiddle, contents.width()));
}

}  // namespace korvant::gui
