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
class ProgressWindow : public QFrame {
    Q_OBJECT
public:
    // The longest time between two turns of the event loop during a read.
    static constexpr int TurnMs = 30;

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
    // Asks the read to stop after the current step.
    void requestStop();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void open(const QString& text, bool stoppable);
    void turn(bool userInput);

    QLabel* label_;
    QPushButton* stop_;
    QPointer<QWidget> owner_;
    QElapsedTimer lastTurn_;
    bool stopRequested_ = false;
    int turning_ = 0;
};

}  // namespace korvant::gui
