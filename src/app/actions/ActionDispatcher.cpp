#include "app/actions/ActionDispatcher.h"

namespace korvant {

void ActionDispatcher::registerHandler(ActionCode code, Handler handler) {
    handlers_[code] = std::move(handler);
}

bool ActionDispatcher::hasHandler(ActionCode code) const {
    auto it = handlers_.find(code);
    return it != handlers_.end() && it->second;
}

void ActionDispatcher::send(const ActionMessage& message) {
    auto it = handlers_.find(message.code);
    if (it == handlers_.end() || !it->second) return;
    // A copy: the handler may register handlers while it runs.
    Handler handler = it->second;
    handler(message);
}

void ActionDispatcher::post(ActionMessage message) {
    posted_.push_back(std::move(message));
    if (postHook) postHook();
}

void ActionDispatcher::drainPosted() {
    std::deque<ActionMessage> batch;
    batch.swap(posted_);
    while (!batch.empty()) {
        ActionMessage message = std::move(batch.front());
        batch.pop_front();
        try {
            send(message);
        } catch (...) {
            // Keep what was not run, in order, before rethrowing.
            for (auto it = batch.rbegin(); it != batch.rend(); ++it) posted_.push_front(*it);
            throw;
        }
    }
}

}  // namespace korvant
