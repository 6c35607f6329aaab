#pragma once

#include "gui/shell/WindowParts.h"

// The desk's composition root: the one place that knows every area of the
// desk and hands their menus, pages and dialogs to the shell.
namespace korvant::gui {

// The menus and pages of every area for the main window.
WindowParts deskWindowParts();

}  // namespace korvant::gui
