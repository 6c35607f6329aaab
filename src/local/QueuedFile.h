#pragma once

#include <memory>
#include <string>

#include "local/HandOverThread.h"
#include "local/StreamedFile.h"

// A StreamedFile whose pages are written by a thread of its own while the
// caller goes on (an export asks for the next page and formats it in the
// meantime). One page is in flight at a time: handing over the next one
// waits until the one before is written, and every question about the file
// (ok, error, commit) waits for it first, so a failed write is seen exactly
// where writing in place would have shown it. The first two pieces (a
// header and a page) are written in place; the thread starts with the next,
// so a short file never starts one.
namespace korvant {

class QueuedFile {
public:
    explicit QueuedFile(std::string path);
    // Waits for the page in flight; the file is removed unless committed.
    ~QueuedFile();
    QueuedFile(const QueuedFile&) = delete;
    QueuedFile& operator=(const QueuedFile&) = delete;

    // Hands `bytes` over to be appended and gives back an empty string
    // (with the storage of an earlier page, for the caller to fill again).
    // False, with nothing handed over, once a write failed.
    bool append(std::string& bytes);
    // StreamedFile::commit after the last page is written.
    bool commit(bool mayReplace);
    bool ok() const;
    // Why not ok (fileErrorText).
    const std::string& error() const;
    // Bytes handed over so far.
    long long size() const { return size_; }

private:
    // Until no page is in flight.
    void settle() const;

    static constexpr int InPlaceAppends = 2;

    StreamedFile file_;
    long long size_ = 0;
    int appends_ = 0;
    // Made with the third page; ends (its page written) before the file.
    std::unique_ptr<HandOverThread<std::string>> writer_;
};

}  // namespace korvant
