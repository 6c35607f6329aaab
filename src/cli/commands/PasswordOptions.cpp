#include "cli/commands/PasswordOptions.h"

#include <CLI/CLI.hpp>

namespace korvant::cli {

void addPasswordOptions(CLI::App& app, std::optional<std::string>& password, bool& fromStdin,
                        const std::string& noun, const std::string& caption) {
    auto* option = app.add_option("--password", password,
                                  noun + " (\"" + caption + "\"; visible in the process list)");
    auto* stdinFlag = app.add_flag("--password-stdin", fromStdin,
                                   "read the " + noun +
                                       " from the next line of standard input (asked for "
                                       "without echo on a terminal)");
    option->excludes(stdinFlag);
}

}  // namespace korvant::cli
