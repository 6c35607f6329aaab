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
        } else if (arg == "-platform" || arg == "--platform" || arg.substr(0, 10) == "-platform=" ||
                   arg.substr(0, 11) == "--platform=") {
            arguments.platform = true;
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
           "              (last login), riskdetail.ini, DeskLayout.ini and DeskState.ini\n"
           "  --version   print the version and exit\n"
           "  --help      print this text and exit\n"
           "\n"
           "Without --dir the folder named by KORVANT_DIR is used; without it, the\n"
           "program's own folder for a portable copy (a folder the user can write),\n"
           "or ~/.config/korvant for an installed copy, filled with the shipped\n"
           "samples on the first start. The manual: menu 帮助 > 使用说明.\n";
}

bool displayFound(const DeskArguments& arguments,
                  const std::function<std::string(const char*)>& environment) {
    if (arguments.platform) return true;
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        if (!environment(name).empty()) return true;
    return false;
}

std::string noDisplayText() {
    return "korvant-desk: 没有找到图形显示（DISPLAY 和 WAYLAND_DISPLAY 都未设置），无法打开窗口。\n"
           "请在有图形界面的桌面上运行，或用 ssh -X 转发显示。命令行前端 korvant-cli\n"
           "不需要图形显示，可以完成同样的管理操作（korvant-cli --help）。\n";
}

}  // namespace korvant::gui
