#pragma once

#include <functional>

#include "gui/shell/MenuTable.h"

// What the areas put into the main window, gathered by the desk's
// composition root (gui/compose) and handed to the window when it is made:
// the shell itself knows no area.
namespace korvant::gui {

class MainWindow;

struct WindowParts {
    // The menu tables of every area, in menu order within each place.
    MenuTable menus;
    // Puts the areas' pages into the window's content panel (report tabs,
    // rate lists, the risk view, the log) once its panels, menus and
    // account lists stand.
    std::function<void(MainWindow&)> installViews;
};

}  // namespace korvant::gui
