#pragma once

namespace korvant {
class DeskView;
}

namespace korvant::gui {

class ContentPanel;
class ReportQueryTab;

// Shows `tab` (owned by `content`) under the reports strip while the tab
// `index` is selected; the main window's pager then pages its page.
void installReportTab(DeskView& view, ContentPanel& content, ReportQueryTab* tab, int index);

}  // namespace korvant::gui
