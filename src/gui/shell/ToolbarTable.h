#pragma once

#include <optional>
#include <span>

#include "view/ToolbarCommand.h"

// The toolbar above the content panel as data: its buttons from the left,
// each with the code it sends (the fifth user message's codes 30 to 36).
// New, Modify and Delete act on the current view and tab through the core
// (view/ToolbarCommand.h), so an area that adds a view routes them there
// rather than adding buttons.
namespace korvant::gui {

enum class ToolbarCode {
    GroupMenu = 0,  // opens "组快捷菜单" below the button
    New = 30,
    Modify = 31,
    Delete = 32,
    Refresh = 33,
    Expand = 36,
};

struct ToolbarButton {
    const char* caption;  // UTF-8
    ToolbarCode code;
    const char* toolTip = nullptr;
    // The icon: by its name in the system's icon theme, else the desk's own
    // drawing (":/icons/NAME.svg").
    const char* themeIcon = nullptr;
    const char* ownIcon = nullptr;
    // The core's command of the button, where it is one.
    std::optional<ToolbarCommand> command = std::nullopt;
    // Its access key (Alt and the letter).
    char key = 0;
};

std::span<const ToolbarButton> toolbarButtons();

// The core's command of New, Modify and Delete; none for the other buttons.
std::optional<ToolbarCommand> toolbarCommandOf(ToolbarCode code);

}  // namespace korvant::gui
