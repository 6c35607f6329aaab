#pragma once

#include <QLineEdit>

namespace korvant::gui {

// The field of a file or folder path. A long path read-only on screen is
// shortened in the middle, so that its start (the folder) and its end (the
// file name) both show; the whole path is its tooltip.
class PathField : public QLineEdit {
    Q_OBJECT
public:
    explicit PathField(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace korvant::gui
