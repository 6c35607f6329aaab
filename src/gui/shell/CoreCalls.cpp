#include "gui/shell/CoreCalls.h"

#include <QTimer>

#include <exception>
#include <iostream>

#include "app/port/FrontEndPort.h"
#include "gui/shell/ProgressWindow.h"
#include "gui/shell/QtPort.h"

namespace korvant::gui {

CoreCalls::CoreCalls(QtPort& port, std::function<void(int)> ended, std::function<void()> afterCall,
                     QObject* parent)
    : QObject(parent),
      port_(port),
      endedHook_(std::move(ended)),
      afterCall_(std::move(afterCall)) {}

bool CoreCalls::run(const std::function<void()>& work) {
    // Between the pages of a long read only the progress window takes
    // input; nothing else may start work of the core in the middle of it.
    if (ended_ || port_.coreBusy()) return false;
    try {
        work();
    } catch (const ProgramEnd&) {
        // The core has shown its message.
        end(1);
        return false;
    } catch (const std::exception& e) {
        std::cerr << "korvant-desk: " << e.what() << "\n";
    }
    afterCall_();
    return true;
}

void CoreCalls::end(int exitCode) {
    if (ended_) return;
    ended_ = true;
    endedHook_(exitCode);
}

void CoreCalls::whenIdle(std::function<void()> work) {
    QTimer::singleShot(0, this, [this, work = std::move(work)]() mutable {
        if (port_.coreBusy()) {
            // Still inside a long read: after its next pages.
            QTimer::singleShot(
                ProgressWindow::TurnMs, this,
                [this, work = std::move(work)]() mutable { whenIdle(std::move(work)); });
            return;
        }
        work();
    });
}

}  // namespace korvant::gui
