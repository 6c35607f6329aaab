#pragma once

// What changed in the desk's state, told to the front end so that it can
// redraw the affected part.
namespace korvant {

enum class DeskChange {
    Session,          // logged in: account label, buttons, menus
    Groups,           // group cache reloaded: rebuild the groups tree
    ReportTree,       // the kept report tree was dropped: load and draw it again
    MarginTemplates,  // rebuild the margin-template tree
    FeeTemplates,     // rebuild the fee-template tree
    Varieties,
    RiskStrategies,
    AccountList,  // the shown account list or its records changed
    PageLabel,    // the pager label changed
    Tabs,         // tab strip or selected tab changed
    SearchRange,  // the "查找范围" combo changed
    View,         // the view switched
    ReportRows,   // the rows of a view's report page (a rate page) changed
};

}  // namespace korvant
