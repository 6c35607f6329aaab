#pragma once

#include <cstddef>
#include <string>

// Files that users hand to the program (an import, the configuration beside
// it) are untrusted: only a regular file is read, and at most a bound. A
// FIFO, a device or a folder is refused without blocking and without
// reading.
namespace korvant {

struct UserFile {
    enum class Outcome {
        Read,        // `bytes` holds the whole file
        OpenFailed,  // `error` says why (fileErrorText)
        NotRegular,  // a folder, a FIFO, a device, a socket
        TooLarge,    // more than the bound
        ReadFailed,  // `error` says why
    };
    Outcome outcome = Outcome::OpenFailed;
    std::string bytes;
    std::string error;
    bool ok() const { return outcome == Outcome::Read; }
};

// Reads the regular file at `path` (a link to one is followed) when it holds
// at most `maxBytes` bytes.
UserFile readUserFile(const std::string& path, std::size_t maxBytes);

}  // namespace korvant
