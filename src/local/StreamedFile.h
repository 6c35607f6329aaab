#pragma once

#include <memory>
#include <string>
#include <string_view>

// A file written in pieces (an export page by page) that appears under its
// name only when it is complete. The bytes go to an unnamed file in the
// target's folder where the file system allows (nothing is left behind even
// by a killed program), else to a named temporary file beside the target,
// removed on failure, on SIGINT/SIGTERM and when the writer is dropped.
// `commit` puts the file in place in one step; until then an old file of
// that name is untouched.
namespace korvant {

class FlushBehind;

class StreamedFile {
public:
    // Creates the temporary file beside `path`. A replaced file keeps its
    // permission bits and a new one gets 0644 less the umask, unless `mode`
    // (0 to 07777) is given. A target that is not a regular file is
    // refused, a link to one written through (resolveWriteTarget). On
    // failure `ok()` is false and `error()` tells why (fileErrorText).
    explicit StreamedFile(std::string path, int mode = -1);
    // Removes the temporary file unless it was committed.
    ~StreamedFile();
    StreamedFile(const StreamedFile&) = delete;
    StreamedFile& operator=(const StreamedFile&) = delete;

    // Appends bytes; false (and `error()`) once a write failed.
    bool append(std::string_view bytes);
    // Flushes the file to the disk and gives it its name: replacing a file
    // of that name only when `mayReplace`, else failing with "file exists".
    // False with `error()` on failure (the temporary file is then removed).
    // Without `flush` the file is renamed into place whole but left to the
    // system to write out: for small settings that the desk can do without
    // and that must not hold up the window while the disk is busy.
    bool commit(bool mayReplace = true, bool flush = true);

    bool ok() const { return code_ == 0; }
    const std::string& error() const { return error_; }
    int errorCode() const { return code_; }
    // The file written: the target, or the file its link names.
    const std::string& path() const { return path_; }
    // Bytes appended so far.
    long long size() const { return size_; }

private:
    void fail(int code);
    void discard();

    std::string path_;
    int fd_ = -1;
    bool unnamed_ = false;
    std::string temp_;  // the named temporary file, when not unnamed
    struct Held;
    std::unique_ptr<Held> held_;  // the name removed on a signal
    int code_ = 0;
    std::string error_;
    long long size_ = 0;
    // Started once the file passes its first FlushStep: the bytes appended
    // are put on the disk every FlushStep while more are written.
    std::unique_ptr<FlushBehind> flusher_;
    long long flushedTo_ = 0;  // where the last flush was asked
    static constexpr long long FlushStep = 16LL << 20;
};

// For tests: false makes the writers use a named temporary file even where
// an unnamed one is possible.
void useUnnamedTemporaryFiles(bool use);

}  // namespace korvant
