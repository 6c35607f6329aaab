#pragma once

#include <optional>
#include <string>

#include "app/desk/ViewKind.h"
#include "app/session/Permissions.h"

// What a command of korvant-cli needs of the administrator's permission
// mask before it sends anything: the view the desk shows its lists in, and
// the permission of the operation it runs. The operations check their own
// permission again; this check only keeps the look-ups before them (the
// lists a command reads to find its target) from being sent at all.
namespace korvant::cli {

struct CommandGate {
    ViewKind view = ViewKind::None;  // None: reached without a view (menus, login)
    std::optional<GatedOperation> operation;
};

// The gate of a command by its name ("admin add"); nothing for a name the
// table does not hold (every command of the list has a row: a test checks).
std::optional<CommandGate> commandGate(const std::string& name);

}  // namespace korvant::cli
