#pragma once

#include <QMainWindow>

namespace korvant::gui {

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
};

}  // namespace korvant::gui
