#pragma once

#include <QFrame>
#include <QPointer>

class QLabel;

namespace korvant::gui {

// A small window naming the work in progress, with the desk's caption as its
// title, opened centred over its owner (the main window). Its text is
// painted at once, so it shows while the GUI thread is blocked in that work.
class ProgressWindow : public QFrame {
    Q_OBJECT
public:
    explicit ProgressWindow(QWidget* parent = nullptr);

    // The window it opens centred over.
    void setOwner(QWidget* owner) { owner_ = owner; }
    void setText(const QString& text);
    QString text() const;

private:
    QLabel* label_;
    QPointer<QWidget> owner_;
};

}  // namespace korvant::gui
