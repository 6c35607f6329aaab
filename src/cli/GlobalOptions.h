#pragma once

#include <optional>
#include <string>

// The options every command takes: where the local files are, which server,
// who logs in, and how confirmations are answered.
namespace korvant::cli {

struct GlobalOptions {
    std::string dir;  // empty: the folder the local-folder rule chooses
    std::optional<int> serverIndex;
    std::string host;
    std::optional<int> port;
    std::optional<std::string> user;
    std::optional<std::string> password;
    bool passwordStdin = false;
    std::optional<std::string> mac;
    bool yes = false;
    // Seconds without a byte of an awaited answer after which the connection
    // counts as lost (default 30).
    std::optional<int> timeoutSeconds;
};

}  // namespace korvant::cli
