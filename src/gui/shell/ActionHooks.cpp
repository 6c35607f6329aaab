#include "gui/shell/ActionHooks.h"

#include <QAbstractButton>
#include <QAction>

#include "app/actions/ActionDispatcher.h"

namespace korvant::gui {

ActionHooks::ActionHooks(ActionDispatcher& dispatcher, Runner run, QObject* parent)
    : QObject(parent), dispatcher_(dispatcher), run_(std::move(run)) {}

void ActionHooks::hook(QAction* action, ActionCode code, Argument argument, Condition condition) {
    connect(action, &QAction::triggered, this,
            [this, code, argument = std::move(argument)] { trigger(code, argument); });
    entries_.push_back({action, nullptr, code, std::move(condition)});
    action->setEnabled(enabled(entries_.back()));
}

void ActionHooks::hook(QAction* action, std::function<void()> command, Condition condition) {
    connect(action, &QAction::triggered, this, [command = std::move(command)] { command(); });
    entries_.push_back({action, nullptr, std::nullopt, std::move(condition)});
    action->setEnabled(enabled(entries_.back()));
}

void ActionHooks::hook(QAbstractButton* button, ActionCode code, Argument argument,
                       Condition condition) {
    connect(button, &QAbstractButton::clicked, this,
            [this, code, argument = std::move(argument)] { trigger(code, argument); });
    entries_.push_back({nullptr, button, code, std::move(condition)});
    button->setEnabled(enabled(entries_.back()));
}

bool ActionHooks::available(ActionCode code) const {
    return dispatcher_.hasHandler(code);
}

bool ActionHooks::enabled(const Entry& entry) const {
    return (!entry.code || available(*entry.code)) && (!entry.condition || entry.condition());
}

void ActionHooks::refresh() {
    for (const Entry& entry : entries_) {
        const bool on = enabled(entry);
        if (entry.action) entry.action->setEnabled(on);
        if (entry.button) entry.button->setEnabled(on);
    }
}

void ActionHooks::trigger(ActionCode code, const Argument& argument) {
    ArgumentVariant arg = argument ? argument() : ArgumentVariant{};
    run_([this, code, arg] { dispatcher_.send(code, arg); });
}

}  // namespace korvant::gui
