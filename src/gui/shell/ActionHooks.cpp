#include "gui/shell/ActionHooks.h"

#include <QAbstractButton>
#include <QAction>

#include "app/ActionDispatcher.h"

namespace korvant::gui {

ActionHooks::ActionHooks(ActionDispatcher& dispatcher, Runner run, QObject* parent)
    : QObject(parent), dispatcher_(dispatcher), run_(std::move(run)) {}

void ActionHooks::hook(QAction* action, ActionCode code, Argument argument, Condition condition) {
    connect(action, &QAction::triggered, this,
            [this, code, argument = std::move(argument)] { trigger(code, argument); });
    entries_.push_back({action, nullptr, code, std::move(condition)});
    action->setEnabled(available(code) &&
                       (!entries_.back().condition || entries_.back().condition()));
}

void ActionHooks::hook(QAbstractButton* button, ActionCode code, Argument argument,
                       Condition condition) {
    connect(button, &QAbstractButton::clicked, this,
            [this, code, argument = std::move(argument)] { trigger(code, argument); });
    entries_.push_back({nullptr, button, code, std::move(condition)});
    button->setEnabled(available(code) &&
                       (!entries_.back().condition || entries_.back().condition()));
}

bool ActionHooks::available(ActionCode code) const {
    return dispatcher_.hasHandler(code);
}

void ActionHooks::refresh() {
    for (const Entry& entry : entries_) {
        bool enabled = available(entry.code) && (!entry.condition || entry.condition());
        if (entry.action) entry.action->setEnabled(enabled);
        if (entry.button) entry.button->setEnabled(enabled);
    }
}

void ActionHooks::trigger(ActionCode code, const Argument& argument) {
    ArgumentVariant arg = argument ? argument() : ArgumentVariant{};
    run_([this, code, arg] { dispatcher_.send(code, arg); });
}

}  // namespace korvant::gui
