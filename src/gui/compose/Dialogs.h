#pragma once

namespace korvant::gui {

class DialogRegistry;

// Registers the dialog of every form kind the desk knows. A new dialog is
// one line here (see DialogRegistry.h).
void registerDialogs(DialogRegistry& registry);

}  // namespace korvant::gui
