#pragma once

// The dialogs of the settlement commands and the trading parameters.
namespace korvant::gui {

class DialogRegistry;

void registerReportDialogs(DialogRegistry& registry);

}  // namespace korvant::gui
