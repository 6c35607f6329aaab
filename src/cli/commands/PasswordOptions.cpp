#include "cli/commands/PasswordOptions.h"

#include <CLI/CLI.hpp>

namespace korvant::cli {

void addPasswordOptions(CLI::App& app, std::optional<std::string>& password, bool& fromStdin,
                        const std::string& noun, const std::string& caption) {
    auto* option =
        app.add_option("--password", password, noun + " (\"" + caption + "\"; 在进程列表中可见)");
    auto* stdinFlag = app.add_flag("--password-stdin", fromStdin,
                                   "从标准输入的下一行读取" + noun + " (在终端上不回显地提示输入)");
    option->excludes(stdinFlag);
}

}  // namespace korvant::cli
