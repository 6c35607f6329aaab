#pragma once

namespace korvant::gui {

class MainWindow;

// Switches the "手续费率" and "保证金率" views on: the rate list under each
// view's tab strip, the tree's choice and pop-ups, the list's pop-up.
void installTemplateViews(MainWindow& window);

}  // namespace korvant::gui
