#pragma once

#include <QObject>

#include <functional>

namespace korvant::gui {

class QtPort;

// The lifecycle of calls into the core: a call runs only while the program
// has not ended and no other call is in the middle of a long read; the end
// of the program thrown by the core is caught here, once, and reported to
// `ended`. Work for later waits until no call is in progress.
class CoreCalls : public QObject {
    Q_OBJECT
public:
    CoreCalls(QtPort& port, std::function<void(int exitCode)> ended,
              std::function<void()> afterCall, QObject* parent);

    // Runs `work`; false when it could not run or the program ended in it.
    bool run(const std::function<void()>& work);
    // Runs `work` from the event loop once no call of the core is in
    // progress.
    void whenIdle(std::function<void()> work);
    // Ends the program (once).
    void end(int exitCode);
    bool ended() const { return ended_; }

private:
    QtPort& port_;
    std::function<void(int)> endedHook_;
    std::function<void()> afterCall_;
    bool ended_ = false;
};

}  // namespace korvant::gui
