#include "gui/shell/ProgressWindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace korvant::gui {

ProgressWindow::ProgressWindow(QWidget* parent)
    : QFrame(parent,
             Qt::Tool | Qt::WindowTitleHint | Qt::CustomizeWindowHint | Qt::WindowStaysOnTopHint),
      label_(new QLabel(this)),
      stop_(new QPushButton(QStringLiteral("停止"), this)) {
    setWindowTitle(QStringLiteral("Korvant柜台管理"));
    setObjectName(QStringLiteral("ProgressWindow"));
    label_->setTextFormat(Qt::PlainText);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 16, 24, 16);
    label_->setAlignment(Qt::AlignCenter);
    label_->setMinimumWidth(280);
    layout->addWidget(label_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    stop_->setAutoDefault(false);
    stop_->setToolTip(QStringLiteral("读完当前一页后停止 (Esc)"));
    buttons->addWidget(stop_);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    stop_->hide();
    connect(stop_, &QPushButton::clicked, this, &ProgressWindow::requestStop);
}

void ProgressWindow::open(const QString& text, bool stoppable) {
    label_->setText(text);
    const Qt::WindowModality modality = stoppable ? Qt::ApplicationModal : Qt::NonModal;
    // The modality of a shown window changes only when it is shown again.
    if (isVisible() && (windowModality() != modality || stop_->isVisible() != stoppable)) {
        const bool keepStop = stopRequested_;
        hide();
        stopRequested_ = keepStop;
    }
    if (!isVisible()) {
        setWindowModality(modality);
        stop_->setVisible(stoppable);
        adjustSize();
        QWidget* owner = owner_ ? owner_.data() : parentWidget();
        if (owner != nullptr && owner->isVisible()) {
            const QRect area = owner->window()->frameGeometry();
            move(area.center() - QPoint(width() / 2, height() / 2));
        }
        show();
        raise();
        if (stoppable) {
            activateWindow();
            stop_->setFocus();
        }
        lastTurn_.invalidate();
    }
}

void ProgressWindow::turn(bool userInput) {
    ++turning_;
    // The caller blocks right after this; paint now.
    repaint();
    QCoreApplication::processEvents(userInput ? QEventLoop::AllEvents
                                              : QEventLoop::ExcludeUserInputEvents);
    --turning_;
    lastTurn_.start();
}

void ProgressWindow::setText(const QString& text) {
    open(text, false);
    turn(false);
}

bool ProgressWindow::step(const QString& text) {
    if (stopRequested_) return false;
    // Between turns only the text changes; it is painted at the next turn.
    if (isVisible() && stop_->isVisible() && lastTurn_.isValid() && lastTurn_.elapsed() < TurnMs) {
        label_->setText(text);
        return true;
    }
    open(text, true);
    turn(true);
    return !stopRequested_;
}

QString ProgressWindow::text() const {
    return label_->text();
}

void ProgressWindow::requestStop() {
    if (!stop_->isVisible()) return;
    stopRequested_ = true;
    label_->setText(label_->text() + QStringLiteral("\n正在停止…"));
}

void ProgressWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        requestStop();
        event->accept();
        return;
    }
    QFrame::keyPressEvent(event);
}

void ProgressWindow::hideEvent(QHideEvent* event) {
    // The next read starts afresh.
    stopRequested_ = false;
    QFrame::hideEvent(event);
}

void ProgressWindow::closeEvent(QCloseEvent* event) {
    // Closing the window is asking to stop; the window itself stays until
    // the read has ended.
    requestStop();
    event->ignore();
}

}  // namespace korvant::gui
