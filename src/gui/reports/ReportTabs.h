#pragma once

#include <functional>
#include <string>

#include "gui/widgets/ReportQueryTab.h"

namespace korvant {
class DeskView;
}

namespace korvant::gui {

class ContentPanel;

// The seven tabs of the reports view, each shown while its place in the
// strip is selected. `selectNode` looks an account typed into a page up in
// the report tree (the net-value page's main account is not looked up).
void installReportTabs(DeskView& view, ContentPanel& content, const ReportQueryTab::Runner& run,
                       const std::function<void(const std::string&)>& selectNode);

}  // namespace korvant::gui
