#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/desk/Desk.h"
#include "gui/shell/DialogRegistry.h"
#include "gui/shell/MainWindow.h"
#include "gui/shell/QtPort.h"
#include "support/SimProcess.h"

// Helpers of the desk tests: one QApplication for the test program, a
// driver that answers modal dialogs while the core blocks in them, and a
// desk logged in to a simulator of its own.
namespace korvant::test {

// The application object (offscreen), created on first use.
QApplication& guiApplication();

// Types `text` into a widget one character at a time, as key presses with
// that text (works for characters that have no key of their own).
void typeText(QWidget* widget, const QString& text);

// Runs the event loop until `done` holds or `timeoutMs` passes.
bool waitUntil(const std::function<bool()>& done, int timeoutMs = 10000);

// Answers the modal windows that open while a test runs: each handler gets
// the active modal widget and returns true when it dealt with it. Message
// boxes no handler takes are recorded and closed with OK. While a modal
// window is open the test's own code does not run (the core blocks in it),
// so everything done inside a dialog is done by handlers. A dialog that no
// handler takes within `patienceMs` is rejected, so a test cannot hang.
class ModalDriver : public QObject {
public:
    using Handler = std::function<bool(QWidget* modal)>;

    ModalDriver();
    ~ModalDriver() override;

    // Handlers are tried in order; a handler that returns true is used up.
    void then(Handler handler);
    // Texts of the message boxes seen so far, in order.
    std::vector<std::string> messages;
    std::size_t pendingHandlers() const { return handlers_.size(); }
    // Dialogs rejected for want of a handler.
    int abandoned = 0;
    int patienceMs = 15000;

private:
    void poll();

    QTimer timer_;
    QPointer<QWidget> waitingFor_;
    std::chrono::steady_clock::time_point waitingSince_;
    std::vector<Handler> handlers_;
};

// Writes Server.ini (one server) and, when `account` is not empty,
// ServerInfo.Dat with that login saved.
void writeDeskFiles(const QString& dir, int port, const std::string& account = {},
                    const std::string& password = {});

// A desk against its own demo simulator, not yet logged in.
struct DeskUnderTest {
    explicit DeskUnderTest(const std::string& dataSet = "demo",
                           const std::vector<std::string>& simArgs = {});
    ~DeskUnderTest();

    // Logs in through the dialog (typing `account` and `password`); true
    // when the desk is logged in.
    bool loginAs(const std::string& account, const std::string& password);
    // Selects the group's node in the groups tree, as a click does; false
    // when the tree has no node for it.
    bool selectGroup(int groupId);

    SimProcess sim;
    QTemporaryDir dir;
    gui::DialogRegistry dialogs;
    std::unique_ptr<gui::QtPort> port;
    std::unique_ptr<Desk> desk;
    std::unique_ptr<gui::MainWindow> window;
    ModalDriver driver;
    // What the window shows.
    MainState& state() { return window->view().state(); }
    bool loggedIn = false;
    bool ended = false;
};

// Runs `steps` one after another on the event loop while the dialog runs
// modally, then rejects it if it is still open.
template <class Dialog>
bool runWith(Dialog& dialog, std::vector<std::function<void()>> steps) {
    // The step function holds itself only weakly: the pending timer keeps it
    // alive, and nothing is left over once the steps end.
    auto next = std::make_shared<std::function<void(std::size_t)>>();
    std::weak_ptr<std::function<void(std::size_t)>> self = next;
    *next = [&dialog, steps, self](std::size_t i) {
        if (!dialog.isVisible()) return;
        if (i >= steps.size()) {
            dialog.reject();
            return;
        }
        steps[i]();
        if (auto step = self.lock()) QTimer::singleShot(0, &dialog, [step, i] { (*step)(i + 1); });
    };
    QTimer::singleShot(0, &dialog, [next] { (*next)(0); });
    return dialog.run();
}

}  // namespace korvant::test
