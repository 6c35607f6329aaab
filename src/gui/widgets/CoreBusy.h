#pragma once

// Whether the desk is inside a call into the core that turns the event loop
// itself (between the pages of a long read, while it waits for the server).
// Timers, posted work and dialogs that call the core check it first: the
// exchange is one request and one answer at a time, so nothing else may
// start work of the core meanwhile.
namespace korvant::gui {

bool coreBusy();

// Marks the desk busy for as long as it lives.
class CoreBusyScope {
public:
    CoreBusyScope();
    ~CoreBusyScope();
    CoreBusyScope(const CoreBusyScope&) = delete;
    CoreBusyScope& operator=(const CoreBusyScope&) = delete;
};

}  // namespace korvant::gui
