#pragma once

#include <optional>
#include <string>

namespace CLI {
class App;
}

// "--password TEXT" and "--password-stdin" (one or the other) of a command
// that sets an operation password. `noun` names the password in the help
// ("password", "new password"), `caption` the form field ("密码").
namespace korvant::cli {

void addPasswordOptions(CLI::App& app, std::optional<std::string>& password, bool& fromStdin,
                        const std::string& noun, const std::string& caption);

}  // namespace korvant::cli
