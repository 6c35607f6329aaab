#pragma once

#include <functional>
#include <optional>
#include <string>

#include "local/LocalFolder.h"

// The places the command line chooses its local folder from: --dir, then
// KORVANT_DIR, then beside a portable copy of the program, else the user's
// configuration folder $XDG_CONFIG_HOME/korvant (~/.config/korvant).
namespace korvant::cli {

using Environment = std::function<std::optional<std::string>(const std::string&)>;

// `programDir` empty (a test running the commands in its own process)
// stands for the current folder.
LocalFolderPlaces cliLocalFolderPlaces(const std::string& dirOption, const Environment& environment,
                                       const std::string& programDir);

}  // namespace korvant::cli
