#include "gui/shell/ProgressWindow.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>

namespace korvant::gui {

ProgressWindow::ProgressWindow(QWidget* parent)
    : QFrame(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      label_(new QLabel(this)) {
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
        if (auto* owner = parentWidget(); owner != nullptr && owner->isVisible()) {
            QRect area = owner->geometry();
            move(area.center() - rect().center());
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
