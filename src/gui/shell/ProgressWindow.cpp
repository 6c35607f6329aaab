#include "gui/shell/ProgressWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWindow>

#include "gui/widgets/CoreBusy.h"

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

void ProgressWindow::open(const QString& text, bool stoppable, bool modal) {
    label_->setText(text);
    const Qt::WindowModality modality = modal ? Qt::ApplicationModal : Qt::NonModal;
    // The modality of a shown window changes only when it is shown again.
    if (isVisible() && (windowModality() != modality || stop_->isVisible() != stoppable)) {
        // Shown again at once: what the user asked of the window stays.
        const bool keepStop = stopRequested_;
        const bool keepTextStop[] = {textStoppable_, textStopRequested_};
        const QElapsedTimer keepShown = textShown_;
        hide();
        stopRequested_ = keepStop;
        textStoppable_ = keepTextStop[0];
        textStopRequested_ = keepTextStop[1];
        textShown_ = keepShown;
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
        lastInputTurn_.invalidate();
    }
}

void ProgressWindow::turn(bool userInput) {
    const CoreBusyScope busy;
    ++turning_;
    // The caller blocks right after this; paint now.
    repaint();
    // Until nothing is pending (at most TurnBudgetMs): one pass alone
    // dispatches only the most urgent kind of event, and timers that have
    // just fired wait behind posted events for the next pass, a whole
    // slice of the wait later.
    QCoreApplication::processEvents(
        userInput ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents, TurnBudgetMs);
    --turning_;
    lastTurn_.start();
    if (userInput) lastInputTurn_.start();
}

bool ProgressWindow::readShown() const {
    return isVisible() && stop_->isVisible() && isModal() && !textStoppable_;
}

void ProgressWindow::setText(const QString& text) {
    if (!isVisible()) textShown_.start();
    open(text, textStoppable_, false);
    turn(false);
}

bool ProgressWindow::step(const QString& text) {
    if (stopRequested_) return false;
    // Between turns that took the user's input only the text changes; it is
    // painted at the next turn. (The turns of the waits between the pages
    // paint, but may leave the input queued: the stop is taken here.)
    if (readShown() && lastInputTurn_.isValid() && lastInputTurn_.elapsed() < TurnMs) {
        label_->setText(text);
        return true;
    }
    open(text, true, true);
    turn(true);
    return !stopRequested_;
}

QString ProgressWindow::text() const {
    return label_->text();
}

void ProgressWindow::requestStop() {
    if (!stop_->isVisible()) return;
    if (waitShown_) {
        // A long wait within a read: the read stops once this page is in; a
        // second stop gives up waiting for it.
        const bool withinRead = restoreVisible_ && restoreStoppable_ && !textStoppable_;
        if (withinRead && !stopRequested_)
            stopRequested_ = true;
        else
            waitStopRequested_ = true;
        return;
    }
    if (textStoppable_) {
        // Work that only shows its text stops by no longer waiting for the
        // server: at the next turn of a wait.
        textStopRequested_ = true;
        label_->setText(label_->text() + QStringLiteral("\n正在停止…"));
        return;
    }
    stopRequested_ = true;
    label_->setText(label_->text() + QStringLiteral("\n正在停止…"));
}

bool ProgressWindow::waitTurn(int elapsedMs, bool connecting, const QString& operation) {
    if (!waitShown_ && elapsedMs < WaitShownAfterMs) {
        if (readShown()) {
            // A short wait between the pages of a read: its modal window
            // alone takes input, so the stop is taken at once.
            turn(true);
            return !waitStopRequested_;
        }
        if (!offerTextStop()) {
            // A short wait: painting and timers only; input waits for the
            // answer.
            turn(false);
            return !waitStopRequested_;
        }
        // One short wait of many behind a text shown for long (the
        // start-up's lists on a slow link): its 停止 takes input.
        qApp->installEventFilter(this);
        turn(true);
        qApp->removeEventFilter(this);
        return !waitStopRequested_ && !textStopRequested_;
    }
    if (!waitShown_) {
        restoreVisible_ = isVisible();
        restoreStoppable_ = stop_->isVisible();
        restoreText_ = label_->text();
        waitText_ = restoreVisible_ && !restoreText_.isEmpty() ? restoreText_
                    : !operation.isEmpty()                     ? operation
                    : connecting                               ? QStringLiteral("连接服务器")
                                 : QStringLiteral("与服务器通信");
        blockedModal_ = QApplication::activeModalWidget();
        // A window that is modal already (a long read) stays so; else it
        // takes input without blocking the main window's close.
        open(waitText_, true, restoreVisible_ && restoreStoppable_ && !textStoppable_);
        waitShown_ = true;
    }
    if (textStopRequested_) return false;
    const int seconds = elapsedMs / 1000;
    label_->setText(waitText_ + QLatin1Char('\n') +
                    (connecting ? QStringLiteral("正在连接服务器… %1 秒")
                                : QStringLiteral("等待服务器应答… %1 秒"))
                        .arg(seconds) +
                    (stopRequested_ ? QStringLiteral("\n正在停止…") : QString()));
    if (isModal()) {
        turn(true);
    } else {
        qApp->installEventFilter(this);
        turn(true);
        qApp->removeEventFilter(this);
    }
    return !waitStopRequested_;
}

bool ProgressWindow::offerTextStop() {
    if (textStoppable_) return true;
    if (!isVisible() || stop_->isVisible() || !textShown_.isValid() ||
        textShown_.elapsed() < WaitShownAfterMs)
        return false;
    textStoppable_ = true;
    open(label_->text(), true, false);
    return true;
}

void ProgressWindow::endWait() {
    waitStopRequested_ = false;
    if (!waitShown_) return;
    waitShown_ = false;
    blockedModal_.clear();
    if (!restoreVisible_) {
        hide();
        return;
    }
    open(restoreText_, restoreStoppable_, restoreStoppable_ && !textStoppable_);
}

bool ProgressWindow::acceptsInput(QObject* receiver) const {
    // The window system's windows get the input before their widgets.
    if (auto* handle = qobject_cast<QWindow*>(receiver)) {
        if (handle == windowHandle()) return true;
        const QWidget* blocked = blockedModal_.data();
        return handle->modality() != Qt::NonModal &&
               (blocked == nullptr || handle != blocked->windowHandle());
    }
    auto* widget = qobject_cast<QWidget*>(receiver);
    if (widget == nullptr) return false;
    const QWidget* window = widget->window();
    if (window == this) return true;
    // A question asked during the wait (closing the main window).
    return window->isModal() && window != blockedModal_.data();
}

bool ProgressWindow::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Shortcut:
        case QEvent::ShortcutOverride:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TabletPress:
        case QEvent::TabletRelease:
        case QEvent::Drop:
            // Only this window and a question of the wait take input.
            return !acceptsInput(watched);
        default:
            return false;
    }
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
    textStoppable_ = false;
    textStopRequested_ = false;
    textShown_.invalidate();
    QFrame::hideEvent(event);
}

void ProgressWindow::closeEvent(QCloseEvent* event) {
    // Closing the window is asking to stop; the window itself stays until
    // the read has ended.
    requestStop();
    event->ignore();
}

}  // namespace korvant::gui
