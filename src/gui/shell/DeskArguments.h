#pragma once

#include <functional>
#include <string>

// The desk's own command line, read before any window system is needed:
// --help, --version and --dir DIR. Other arguments are left to Qt (-platform,
// -style, ...).
namespace korvant::gui {

struct DeskArguments {
    bool help = false;
    bool version = false;
    bool platform = false;  // Qt's -platform was given
    std::string dir;        // --dir; empty when not given
    std::string error;      // a usage error, empty when none
};

DeskArguments parseDeskArguments(int argc, const char* const* argv);

// The text of `korvant-desk --help`.
std::string deskHelp();

// Whether there is a window system to open the desk on: a platform chosen
// with -platform or QT_QPA_PLATFORM, or a display named by DISPLAY or
// WAYLAND_DISPLAY. `environment` gives a variable's value, empty when unset.
bool displayFound(const DeskArguments& arguments,
                  const std::function<std::string(const char*)>& environment);

// What the desk prints before it exits with 2 when no display was found.
std::string noDisplayText();

}  // namespace korvant::gui
