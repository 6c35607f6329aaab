#include <QApplication>
#include <QDir>

#include "gui/MainWindow.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The desk's files (Server.ini, ServerInfo.Dat) lie beside the program.
    QDir::setCurrent(QCoreApplication::applicationDirPath());
    korvant::gui::MainWindow window;
    window.showMaximized();
    return app.exec();
}
