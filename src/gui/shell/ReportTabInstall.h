#pragma once

#include <functional>

class QWidget;

namespace korvant {
class DeskView;
}

namespace korvant::gui {

class ContentPanel;
class ReportQueryTab;

// Shows `tab` (owned by `content`) under the reports strip while the tab
// `index` is selected; `selected(shown)` runs first whenever the selection
// changes, with `shown` true for the tab's own index. False without a
// reports strip.
bool installReportPage(DeskView& view, ContentPanel& content, QWidget* tab, int index,
                       std::function<void(bool shown)> selected);

// A query tab installed so: its page is the one the main window's pager
// pages while it is shown.
void installReportTab(DeskView& view, ContentPanel& content, ReportQueryTab* tab, int index);

}  // namespace korvant::gui
