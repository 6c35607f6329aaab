#pragma once

#include <string>

// Temporary files that an interrupted program must not leave behind. While
// a TemporaryPath lives, SIGINT and SIGTERM remove its file before the
// program ends as the signal says.
namespace korvant {

// Installs the handlers of SIGINT and SIGTERM that remove the temporary
// files in use and then end the program by the same signal. A signal that
// is ignored stays ignored. Call once, early, from a program's main.
void removeTemporaryFilesOnSignals();

// A file name held for the duration of a write; the file is not removed by
// the destructor (the writer renames or removes it), only forgotten.
class TemporaryPath {
public:
    explicit TemporaryPath(const std::string& path);
    ~TemporaryPath();
    TemporaryPath(const TemporaryPath&) = delete;
    TemporaryPath& operator=(const TemporaryPath&) = delete;
    // False when every slot is taken (the file is then not removed on a
    // signal).
    bool held() const { return slot_ >= 0; }

private:
    int slot_ = -1;
};

}  // namespace korvant
