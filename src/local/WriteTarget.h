#pragma once

#include <string>

// Where a file the program writes may go. A name that does not exist yet is
// created; an existing regular file is replaced; a symbolic link is written
// through (the link stays, the file it names is replaced) only when it ends
// at a regular file. Anything else that exists there (a folder, a device, a
// FIFO, a socket, a link to one of them or to nothing) is refused, never
// replaced: the check comes before anything is fetched for the file.
namespace korvant {

struct WriteTarget {
    std::string path;   // the file to create or replace (a link resolved)
    std::string error;  // why the target is refused; empty when it is not
    bool ok() const { return error.empty(); }
};

WriteTarget resolveWriteTarget(const std::string& path);

}  // namespace korvant
