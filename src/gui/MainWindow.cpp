#include "gui/MainWindow.h"

namespace korvant::gui {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("Korvant柜台管理"));
    setMinimumSize(250, 275);
}

}  // namespace korvant::gui
