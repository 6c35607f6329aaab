#pragma once

// The views of the main window, numbered as the switch-view action carries
// them.
namespace korvant {

enum class ViewKind : int {
    None = -1,
    Accounts = 2,
    FeeRates = 3,
    Risk = 4,
    Reports = 5,
    MarginRates = 7,
    Logs = 8,
};

// ViewKind of a number from the wire of an action; unknown numbers are None.
ViewKind viewKindOf(int value);

}  // namespace korvant
