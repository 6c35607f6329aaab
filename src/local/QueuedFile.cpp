#include "local/QueuedFile.h"

namespace korvant {

QueuedFile::QueuedFile(std::string path) : file_(std::move(path)) {}

QueuedFile::~QueuedFile() = default;

void QueuedFile::settle() const {
    if (writer_) writer_->finish();
}

bool QueuedFile::append(std::string& bytes) {
    settle();
    if (!file_.ok()) return false;
    size_ += static_cast<long long>(bytes.size());
    if (!writer_ && ++appends_ > InPlaceAppends)
        writer_ = std::make_unique<HandOverThread<std::string>>(
            [this](std::string& page) { file_.append(page); }, 1);
    if (!writer_) {
        const bool written = file_.append(bytes);
        bytes.clear();
        return written;
    }
    writer_->hand([&bytes](std::string& page) { page.swap(bytes); });
    bytes.clear();
    // Without a thread the page was written in place.
    return writer_->threaded() || file_.ok();
}

bool QueuedFile::commit(bool mayReplace) {
    settle();
    return file_.commit(mayReplace);
}

bool QueuedFile::ok() const {
    settle();
    return file_.ok();
}

const std::string& QueuedFile::error() const {
    settle();
    return file_.error();
}

}  // namespace korvant
