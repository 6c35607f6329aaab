#include <QApplication>
#include <QDir>

#include "admin/AdminActions.h"
#include "app/Desk.h"
#include "gui/DialogRegistry.h"
#include "gui/Dialogs.h"
#include "gui/MainWindow.h"
#include "gui/QtPort.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The desk's files (Server.ini, ServerInfo.Dat) lie beside the program.
    QDir::setCurrent(QCoreApplication::applicationDirPath());

    korvant::gui::DialogRegistry dialogs;
    korvant::gui::registerDialogs(dialogs);
    korvant::gui::QtPort port(dialogs);
    korvant::Desk desk(port, ".");
    korvant::registerAdminActions(desk);
    korvant::gui::MainWindow window(desk, port);
    QObject::connect(&window, &korvant::gui::MainWindow::programEnded, &app,
                     [](int code) { QCoreApplication::exit(code); });
    window.showMaximized();
    window.startLogin();
    return app.exec();
}
