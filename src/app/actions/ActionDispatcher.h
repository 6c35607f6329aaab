#pragma once

#include <deque>
#include <functional>
#include <map>

#include "app/actions/ActionMessage.h"

// The hub through which the windows reach the operations. A "sent" action
// runs at once, nested in the caller; a "posted" one is queued and runs when
// the front end drains the queue on its event loop (the desk sets `postHook`
// to schedule `drainPosted`). Actions without a handler are ignored.
namespace korvant {

class ActionDispatcher {
public:
    using Handler = std::function<void(const ActionMessage&)>;

    // Registers (or replaces) the handler of one code.
    void registerHandler(ActionCode code, Handler handler);
    bool hasHandler(ActionCode code) const;

    void send(const ActionMessage& message);
    void send(ActionCode code, ArgumentVariant arg = {}) {
        send(ActionMessage{code, std::move(arg)});
    }
    void post(ActionMessage message);
    void post(ActionCode code, ArgumentVariant arg = {}) {
        post(ActionMessage{code, std::move(arg)});
    }

    // Runs the actions queued so far, in order. Actions posted while they run
    // wait for the next drain (the hook is called again for them).
    void drainPosted();
    std::size_t pendingCount() const { return posted_.size(); }

    // Called on every post; the desk schedules drainPosted() from it.
    std::function<void()> postHook;

private:
    std::map<ActionCode, Handler> handlers_;
    std::deque<ActionMessage> posted_;
};

}  // namespace korvant
