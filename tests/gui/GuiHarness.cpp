#include "gui/GuiHarness.h"
#include "gui/shell/QtTranslations.h"

#include <QDeadlineTimer>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

#include <cstdlib>

#include "core/CoreDesk.h"
#include "gui/compose/Dialogs.h"
#include "gui/compose/WindowParts.h"
#include "gui/shell/LoginDialog.h"
#include "gui/shell/NavigationPanel.h"
#include "gui/widgets/NodeTreeModel.h"
#include "local/LastLogin.h"

namespace korvant::test {

QApplication& guiApplication() {
    static int argc = 1;
    static char name[] = "test_gui";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        // Offscreen unless a platform is named (xcb under Xvfb, to look at
        // the desk as a display shows it).
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        auto* application = new QApplication(argc, argv);
        // As the desk's main() sets it up.
        gui::useChineseLocale();
        return application;
    }();
    return *app;
}

void typeText(QWidget* widget, const QString& text) {
    for (QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(widget, &release);
    }
}

bool waitUntil(const std::function<bool()>& done, int timeoutMs) {
    QDeadlineTimer deadline(timeoutMs);
    while (!done()) {
        if (deadline.hasExpired()) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QTest::qWait(5);
    }
    return true;
}

ModalDriver::ModalDriver() {
    guiApplication();
    timer_.setInterval(20);
    connect(&timer_, &QTimer::timeout, this, [this] { poll(); });
    timer_.start();
}

ModalDriver::~ModalDriver() {
    timer_.stop();
}

void ModalDriver::then(Handler handler) {
    handlers_.push_back(std::move(handler));
}

void ModalDriver::poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible()) return;
    if (!handlers_.empty()) {
        Handler handler = handlers_.front();
        if (handler(modal)) {
            handlers_.erase(handlers_.begin());
            return;
        }
    }
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        messages.push_back(box->text().toStdString());
        box->done(QMessageBox::Ok);
        return;
    }
    auto now = std::chrono::steady_clock::now();
    if (waitingFor_ != modal) {
        waitingFor_ = modal;
        waitingSince_ = now;
        return;
    }
    if (now - waitingSince_ > std::chrono::milliseconds(patienceMs)) {
        ++abandoned;
        if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
        waitingFor_ = nullptr;
    }
}

void writeDeskFiles(const QString& dir, int port, const std::string& account,
                    const std::string& password) {
    QFile ini(QDir(dir).filePath(QStringLiteral("Server.ini")));
    if (ini.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        ini.write(QStringLiteral("[Server]\nName1=演示服务器\nAddr1=127.0.0.1\nPort1=%1\n")
                      .arg(port)
                      .toUtf8());
    }
    if (!account.empty()) {
        LastLogin last;
        last.serverIndex = 0;
        last.saveFlag = 1;
        last.account = account;
        last.password = password;
        last.write(QDir(dir).filePath(QStringLiteral("ServerInfo.Dat")).toStdString());
    }
}

DeskUnderTest::DeskUnderTest(const std::string& dataSet, const std::vector<std::string>& simArgs)
    : sim(dataSet, simArgs) {
    guiApplication();
    gui::registerDialogs(dialogs);
    port = std::make_unique<gui::QtPort>(dialogs);
    writeDeskFiles(dir.path(), sim.port());
    desk = std::make_unique<CoreDesk>(*port, dir.path().toStdString());
    window = std::make_unique<gui::MainWindow>(*desk, *port, gui::deskWindowParts());
    QObject::connect(window.get(), &gui::MainWindow::loggedIn, [this] { loggedIn = true; });
    QObject::connect(window.get(), &gui::MainWindow::programEnded, [this](int) { ended = true; });
    window->resize(1200, 800);
    window->show();
}

DeskUnderTest::~DeskUnderTest() {
    window.reset();
    desk.reset();
    port.reset();
}

bool DeskUnderTest::selectGroup(int groupId) {
    gui::NavigationPanel* navigation = window->navigation();
    gui::NodeTreeModel* model = navigation->groupModel();
    for (int node = 0; node < model->nodeCount(); ++node) {
        if (model->node(node).data != groupId) continue;
        navigation->groupTree()->setCurrentIndex(model->indexOfNode(node));
        return true;
    }
    return false;
}

bool DeskUnderTest::loginAs(const std::string& account, const std::string& password) {
    driver.then([account, password](QWidget* modal) {
        auto* dialog = qobject_cast<gui::LoginDialog*>(modal);
        if (dialog == nullptr) return false;
        if (dialog->serverList()->currentRow() < 0) dialog->serverList()->setCurrentRow(0);
        dialog->accountEdit()->clear();
        typeText(dialog->accountEdit(), QString::fromStdString(account));
        dialog->passwordEdit()->clear();
        typeText(dialog->passwordEdit(), QString::fromStdString(password));
        // Clicked from the event loop, so that the driver sees the windows
        // the click opens.
        QTimer::singleShot(0, dialog->loginButton(), &QPushButton::click);
        return true;
    });
    window->startLogin();
    return waitUntil([this] { return loggedIn || ended; }, 20000) && loggedIn;
}

}  // namespace korvant::test
