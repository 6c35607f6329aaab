#pragma once

#include <QObject>
#include <QPointer>

#include <functional>
#include <optional>
#include <vector>

#include "app/actions/ActionCode.h"
#include "app/actions/ActionMessage.h"

class QAbstractButton;
class QAction;

namespace korvant {
class ActionDispatcher;
}

namespace korvant::gui {

// Ties menu items and buttons to action codes of the dispatcher. An item is
// enabled only while the core has a handler for its code (and its own
// condition holds, e.g. a row is selected): an operation that is not built
// yet stays disabled instead of pretending to work.
//
//   hooks.hook(menu->addAction("添加"), ActionCode::AddSubAccount);
//   hooks.hook(action, ActionCode::LoadRiskStrategy, [] { return ArgumentVariant{2}; },
//              [this] { return hasSelectedRecord(); });
class ActionHooks : public QObject {
    Q_OBJECT
public:
    using Argument = std::function<ArgumentVariant()>;
    using Condition = std::function<bool()>;
    // Runs a call into the core (the main window's guard against the end of
    // the program).
    using Runner = std::function<void(const std::function<void()>&)>;

    ActionHooks(ActionDispatcher& dispatcher, Runner run, QObject* parent = nullptr);

    void hook(QAction* action, ActionCode code, Argument argument = {}, Condition condition = {});
    void hook(QAbstractButton* button, ActionCode code, Argument argument = {},
              Condition condition = {});
    // An item that runs a command of the window itself (no action code):
    // enabled while its condition holds.
    void hook(QAction* action, std::function<void()> command, Condition condition = {});

    // Re-reads which codes have handlers and which conditions hold.
    void refresh();
    // Whether the dispatcher has a handler for the code.
    bool available(ActionCode code) const;

    // Sends one action through the runner.
    void trigger(ActionCode code, const Argument& argument);

private:
    struct Entry {
        QPointer<QAction> action;
        QPointer<QAbstractButton> button;
        std::optional<ActionCode> code;  // none: a command of the window
        Condition condition;
    };
    bool enabled(const Entry& entry) const;
    ActionDispatcher& dispatcher_;
    Runner run_;
    std::vector<Entry> entries_;
};

}  // namespace korvant::gui
