#pragma once

#include <QElapsedTimer>
#include <QFrame>
#include <QPointer>

class QLabel;
class QPushButton;

namespace korvant::gui {

// A small window naming the work in progress, with the desk's caption as its
// title, opened centred over its owner (the main window). Its text is
// painted at once, so it shows while the GUI thread is blocked in that work.
//
// A read the user may stop (`step`) shows a "停止" button as well; the window
// is then modal, so that between two pages the desk repaints and takes the
// user's stop (the button or Escape) while every other window ignores input.
//
// While the core waits for one answer of the server, the window turns the
// event loop between the slices of the wait (`waitTurn`) and, once the
// answer is long in coming, shows the wait counting with its own "停止",
// which abandons the wait. Input then reaches only this window and the
// questions opened during the wait; the main window can still be asked to
// close (it asks whether to stop waiting).
class ProgressWindow : public QFrame {
    Q_OBJECT
public:
    // The longest time between two turns of the event loop during a read.
    static constexpr int TurnMs = 30;
    // The longest one turn goes on dispatching events that are pending.
    static constexpr int TurnBudgetMs = 10;

    explicit ProgressWindow(QWidget* parent = nullptr);

    // The window it opens centred over.
    void setOwner(QWidget* owner) { owner_ = owner; }
    // Shows `text` (no stop button), painted at once.
    void setText(const QString& text);
    QString text() const;

    // One step of a read the user may stop: shows `text` with the stop
    // button and lets the event loop run when TurnMs passed since its last
    // turn. False once the user asked to stop.
    bool step(const QString& text);
    bool stopRequested() const { return stopRequested_; }
    // Whether the event loop is being run from inside a step or a text
    // change (the core is in the middle of its work then).
    bool turning() const { return turning_ > 0; }
    QPushButton* stopButton() const { return stop_; }
    // Asks the read to stop after the current step; during a wait that is
    // shown, asks to stop waiting.
    void requestStop();

    // A wait for the server is shown once it lasts this long.
    static constexpr int WaitShownAfterMs = 400;
    // One turn of the event loop while the core waits `elapsedMs` for the
    // server (`connecting`: for the connection). Shows the wait once it is
    // long: `operation` (or the text shown already) and "等待服务器应答… N 秒".
    // False once the user asked to stop waiting.
    bool waitTurn(int elapsedMs, bool connecting, const QString& operation);
    // The wait is over: the window shows again what it showed before.
    void endWait();
    // Asks the wait in progress to stop (at its next turn).
    void requestWaitStop() { waitStopRequested_ = true; }
    bool waitShown() const { return waitShown_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void open(const QString& text, bool stoppable, bool modal);
    void turn(bool userInput);
    // A read the user may stop is shown (modal, with its 停止).
    bool readShown() const;
    bool acceptsInput(QObject* receiver) const;
    // A text shown (setText) through waits for longer than WaitShownAfterMs
    // gets a 停止 that stops waiting for the server; true once it has it.
    bool offerTextStop();
    bool eventFilter(QObject* watched, QEvent* event) override;

    QLabel* label_;
    QPushButton* stop_;
    QPointer<QWidget> owner_;
    QElapsedTimer lastTurn_;
    QElapsedTimer lastInputTurn_;
    bool stopRequested_ = false;
    int turning_ = 0;
    // The wait shown, and what the window showed before it.
    bool waitShown_ = false;
    bool waitStopRequested_ = false;
    QElapsedTimer textShown_;
    bool textStoppable_ = false;
    bool textStopRequested_ = false;
    QString waitText_;
    bool restoreVisible_ = false;
    bool restoreStoppable_ = false;
    QString restoreText_;
    // The modal dialog that was open when the wait began (it waits too).
    QPointer<QWidget> blockedModal_;
};

}  // namespace korvant::gui
