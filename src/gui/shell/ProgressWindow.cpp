#include "gui/shell/ProgressWindow.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>

namespace korvant::gui {

ProgressWindow::ProgressWindow(QWidget* parent)
    : QFrame(parent,
             Qt::Tool | Qt::WindowTitleHint | Qt::CustomizeWindowHint | Qt::WindowStaysOnTopHint),
      label_(new QLabel(this)) {
    setWindowTitle(QStringLiteral("Korvant柜台管理"));
    setObjectName(QStringLiteral("ProgressWindow"));
    label_->setTextFormat(Qt::PlainText);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(24, 16, 24, 16);
    label_->setAlignment(Qt::AlignCenter);
    label_->setMinimumWidth(220);
    layout->addWidget(label_);
}

void ProgressWindow::setText(const QString& text) {
    label_->setText(text);
    if (!isVisible()) {
        adjustSize();
        QWidget* owner = owner_ ? owner_.data() : parentWidget();
        if (owner != nullptr && owner->isVisible()) {
            const QRect area = owner->window()->frameGeometry();
            move(area.center() - QPoint(width() / 2, height() / 2));
        }
        show();
    }
    raise();
    // The caller blocks right after this; paint now.
    repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

QString ProgressWindow::text() const {
    return label_->text();
}

}  // namespace korvant::gui
