#include "gui/shell/DeskArguments.h"

#include <string_view>

namespace korvant::gui {

DeskArguments parseDeskArguments(int argc, const char* const* argv) {
    DeskArguments arguments;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            arguments.help = true;
        } else if (arg == "--version") {
            arguments.version = true;
        } else if (arg == "--dir") {
            if (i + 1 >= argc || std::string_view(argv[i + 1]).empty()) {
                arguments.error = "--dir needs a folder";
                break;
            }
            arguments.dir = argv[++i];
        } else if (arg.substr(0, 6) == "--dir=") {
            arguments.dir = arg.substr(6);
            if (arguments.dir.empty()) {
                arguments.error = "--dir needs a folder";
                break;
            }
        }
    }
    return arguments;
}

std::string deskHelp() {
    return "usage: korvant-desk [--dir DIR] [Qt options]\n"
           "Korvant 柜台管理: the administrator desk of a futures asset-management server.\n"
           "\n"
           "  --dir DIR   folder of the local files Server.ini (server list), ServerInfo.Dat\n"
           "              (last login), riskdetail.ini and DeskLayout.ini\n"
           "  --version   print the version and exit\n"
           "  --help      print this text and exit\n"
           "\n"
           "Without --dir the folder named by KORVANT_DIR is used; without it, the\n"
           "program's own folder for a portable copy (a folder the user can write),\n"
           "or ~/.config/korvant for an installed copy, filled with the shipped\n"
           "samples on the first start. The manual: menu 帮助 > 使用说明.\n";
}

}  // namespace korvant::gui
