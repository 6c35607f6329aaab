#pragma once

#include <string>
#include <string_view>

// Files the desk exports are written completely or not at all: the bytes go
// to a temporary file beside the target, which then replaces the target in
// one rename. A failed write leaves the old file (or none) in place.
namespace korvant {

// Writes `bytes` to `path`: a file it replaces keeps its permission bits, a
// new file gets mode 0644 (less the umask). On failure
// returns false and, when `error` is given, stores the system's reason
// (fileErrorText).
bool writeWholeFile(const std::string& path, std::string_view bytes, std::string* error = nullptr);

}  // namespace korvant
