#pragma once

#include <string>

// The desk's own command line, read before any window system is needed:
// --help, --version and --dir DIR. Other arguments are left to Qt (-platform,
// -style, ...).
namespace korvant::gui {

struct DeskArguments {
    bool help = false;
    bool version = false;
    std::string dir;    // --dir; empty when not given
    std::string error;  // a usage error, empty when none
};

DeskArguments parseDeskArguments(int argc, const char* const* argv);

// The text of `korvant-desk --help`.
std::string deskHelp();

}  // namespace korvant::gui
