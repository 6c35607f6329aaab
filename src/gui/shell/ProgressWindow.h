#pragma once

#include <QFrame>

class QLabel;

namespace korvant::gui {

// A small frameless window naming the work in progress. Its text is painted
// at once, so it shows while the GUI thread is blocked in that work.
class ProgressWindow : public QFrame {
    Q_OBJECT
public:
    explicit ProgressWindow(QWidget* parent = nullptr);

    void setText(const QString& text);
    QString text() const;

private:
    QLabel* label_;
};

}  // namespace korvant::gui
