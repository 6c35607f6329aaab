#include <QApplication>
#include <QDir>

#include <cstring>
#include <iostream>

#include "app/BuildVersion.h"

#include "core/CoreDesk.h"
#include "gui/shell/DialogRegistry.h"
#include "gui/shell/Dialogs.h"
#include "gui/shell/MainWindow.h"
#include "gui/shell/QtPort.h"
#include "gui/shell/QtTranslations.h"

int main(int argc, char** argv) {
    // Answered before any window system is needed.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::cout << "korvant-desk " << korvant::buildVersion() << '\n';
            return 0;
        }
    }
    QApplication app(argc, argv);
    // Qt's own dialogs and texts in Chinese, where Qt's translations are
    // installed.
    korvant::gui::installQtTranslations(app);
    korvant::gui::useChineseLocale();
    // The desk's files (Server.ini, ServerInfo.Dat) lie beside the program.
    QDir::setCurrent(QCoreApplication::applicationDirPath());

    korvant::gui::DialogRegistry dialogs;
    korvant::gui::registerDialogs(dialogs);
    korvant::gui::QtPort port(dialogs);
    korvant::CoreDesk desk(port, ".");
    korvant::gui::MainWindow window(desk, port);
    QObject::connect(&window, &korvant::gui::MainWindow::programEnded, &app,
                     [](int code) { QCoreApplication::exit(code); });
    window.showMaximized();
    window.startLogin();
    return app.exec();
}
