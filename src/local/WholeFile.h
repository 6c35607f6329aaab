#pragma once

#include <string>
#include <string_view>

#include "local/StreamedFile.h"

// Files the desk writes are written completely or not at all. Where the
// file system allows, the bytes go to an unnamed file in the target's
// folder, which gets its name only when it is complete: even a killed
// program leaves nothing behind. Elsewhere a named temporary file beside the
// target is used, removed on failure and on SIGINT/SIGTERM (see
// removeTemporaryFilesOnSignals). Either way the target is replaced in one
// rename; a failed write leaves the old file (or none) in place.
namespace korvant {

// Writes `bytes` to `path`. A file it replaces keeps its permission bits and
// a new file gets mode 0644 less the umask, unless `mode` (0 to 07777) is
// given: then the file gets exactly that mode. On failure returns false and,
// when `error` is given, stores the system's reason (fileErrorText). Without
// `flush` the file is not forced to the disk before its rename (see
// StreamedFile::commit).
bool writeWholeFile(const std::string& path, std::string_view bytes, std::string* error = nullptr,
                    int mode = -1, bool flush = true);

}  // namespace korvant
