#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QStandardPaths>

#include <iostream>

#include "app/session/BuildVersion.h"
#include "app/session/HeapPolicy.h"
#include "app/session/ProcessHardening.h"
#include "local/LocalFolder.h"

#include "core/CoreDesk.h"
#include "gui/compose/Dialogs.h"
#include "gui/compose/WindowParts.h"
#include "gui/shell/DeskArguments.h"
#include "gui/shell/DesktopKeyring.h"
#include "gui/shell/DialogRegistry.h"
#include "gui/shell/MainWindow.h"
#include "gui/shell/QtPort.h"
#include "gui/shell/QtTranslations.h"

int main(int argc, char** argv) {
    // Answered before any window system is needed.
    const korvant::gui::DeskArguments arguments = korvant::gui::parseDeskArguments(argc, argv);
    if (!arguments.error.empty()) {
        std::cerr << "korvant-desk: " << arguments.error << "\n" << korvant::gui::deskHelp();
        return 2;
    }
    if (arguments.version) {
        std::cout << "korvant-desk " << korvant::buildVersion() << '\n';
        return 0;
    }
    if (arguments.help) {
        std::cout << korvant::gui::deskHelp();
        return 0;
    }
    // Without a window system Qt would abort; the command line needs none.
    if (!korvant::gui::displayFound(
            arguments, [](const char* name) { return qEnvironmentVariable(name).toStdString(); })) {
        std::cerr << korvant::gui::noDisplayText();
        return 2;
    }
    // The user folder is ~/.config/korvant, shared with the command line.
    QCoreApplication::setApplicationName(QStringLiteral("korvant"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(korvant::buildVersion()));
    korvant::hardenProcess();
    korvant::keepHeapForLargeReads();
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("korvant-desk"));
    Q_INIT_RESOURCE(desk);
    QApplication::setWindowIcon(QIcon::fromTheme(
        QStringLiteral("korvant-desk"), QIcon(QStringLiteral(":/icons/korvant-desk.svg"))));
    // Qt's own dialogs and texts in Chinese, where Qt's translations are
    // installed.
    korvant::gui::installQtTranslations(app);
    korvant::gui::useChineseLocale();
    // The local files: beside a portable copy, in the user folder for an
    // installed one, or where --dir or KORVANT_DIR says.
    std::string problem;
    const korvant::LocalFolder folder = korvant::settleLocalFolder(
        {arguments.dir, qEnvironmentVariable("KORVANT_DIR").toStdString(),
         QCoreApplication::applicationDirPath().toStdString(),
         QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation).toStdString()},
        problem);
    if (!problem.empty())
        QMessageBox::warning(
            nullptr, QStringLiteral("提示"),
            QStringLiteral("本地文件夹不可用：") + QString::fromStdString(problem));

    korvant::gui::DialogRegistry dialogs;
    korvant::gui::registerDialogs(dialogs);
    korvant::gui::QtPort port(dialogs);
    korvant::CoreDesk desk(port, folder.path);
    // "保存账号和密码" keeps the password in the desktop's keyring where one
    // answers.
    korvant::gui::DesktopKeyring keyring;
    korvant::gui::MainWindow window(desk, port, korvant::gui::deskWindowParts());
    window.setKeyring(&keyring);
    QObject::connect(&window, &korvant::gui::MainWindow::programEnded, &app,
                     [](int code) { QCoreApplication::exit(code); });
    window.showAsLeft();
    window.startLogin();
    return app.exec();
}
