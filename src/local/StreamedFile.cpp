#include "local/StreamedFile.h"

#include "local/FileErrorText.h"
#include "local/FlushBehind.h"
#include "local/TemporaryFiles.h"
#include "local/WriteTarget.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <random>

namespace korvant {

namespace {

std::atomic<bool> unnamedAllowed{true};

bool writeAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// A replaced file keeps its permission bits (an export kept private stays
// private); a new one gets 0644 less the umask.
mode_t modeFor(const std::string& path, int fixed) {
    if (fixed >= 0) return static_cast<mode_t>(fixed) & 07777;
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0 && S_ISREG(existing.st_mode))
        return existing.st_mode & 07777;
    mode_t mask = ::umask(0);
    ::umask(mask);
    return 0644 & ~mask;
}

// A free name beside `path` for a moment's link.
std::string sideName(const std::string& path) {
    static std::mt19937 random{std::random_device{}()};
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, ".%08x", static_cast<unsigned>(random()));
    return path + suffix;
}

// `from` becomes `to` without replacing an existing `to`: EEXIST then.
int renameNoReplace(const std::string& from, const std::string& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
    if (errno != EINVAL && errno != ENOSYS) return errno;
    // A file system without that rename: a second link, then the first goes.
    if (::link(from.c_str(), to.c_str()) != 0) return errno;
    ::unlink(from.c_str());
    return 0;
}

// Links the unnamed file `self` (its /proc name) under `path`: directly when
// there is no file of that name, else, when `mayReplace`, under a side name
// renamed over the target at once.
int linkUnnamed(const char* self, const std::string& path, bool mayReplace) {
    if (::linkat(AT_FDCWD, self, AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW) == 0) return 0;
    if (errno != EEXIST || !mayReplace) return errno;
    for (int attempt = 0; attempt < 8; ++attempt) {
        const std::string side = sideName(path);
        TemporaryPath held(side);
        if (::linkat(AT_FDCWD, self, AT_FDCWD, side.c_str(), AT_SYMLINK_FOLLOW) != 0) {
            if (errno == EEXIST) continue;
            return errno;
        }
        if (std::rename(side.c_str(), path.c_str()) != 0) {
            const int code = errno;
            ::unlink(side.c_str());
            return code;
        }
        return 0;
    }
    return EEXIST;
}

}  // namespace

void useUnnamedTemporaryFiles(bool use) {
    unnamedAllowed.store(use);
}

struct StreamedFile::Held {
    explicit Held(const std::string& path) : path(path) {}
    TemporaryPath path;
};

StreamedFile::StreamedFile(std::string path, int mode) : path_(std::move(path)) {
    if (path_.empty()) {
        fail(ENOENT);
        return;
    }
    // A folder, a device or a FIFO is never replaced; a link to a regular
    // file is written through.
    WriteTarget target = resolveWriteTarget(path_);
    if (!target.ok()) {
        code_ = EEXIST;
        error_ = std::move(target.error);
        return;
    }
    path_ = std::move(target.path);
    const mode_t fileMode = modeFor(path_, mode);
    // The unnamed file gets its name through /proc: without /proc the named
    // way is taken from the start.
    if (unnamedAllowed.load() && ::access("/proc/self/fd", X_OK) == 0) {
        fd_ = ::open(folderOf(path_).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
        if (fd_ < 0 && errno != EISDIR && errno != EOPNOTSUPP && errno != EINVAL) {
            fail(errno);
            return;
        }
        unnamed_ = fd_ >= 0;
    }
    if (!unnamed_) {
        temp_ = path_ + ".XXXXXX";
        fd_ = ::mkstemp(temp_.data());
        if (fd_ < 0) {
            temp_.clear();
            fail(errno);
            return;
        }
        held_ = std::make_unique<Held>(temp_);
    }
    if (::fchmod(fd_, fileMode) != 0) fail(errno);
}

StreamedFile::~StreamedFile() {
    discard();
}

void StreamedFile::fail(int code) {
    if (code_ != 0) return;
    code_ = code == 0 ? EIO : code;
    error_ = fileErrorText(code_);
    discard();
}

void StreamedFile::discard() {
    flusher_.reset();
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!temp_.empty()) ::unlink(temp_.c_str());
    temp_.clear();
    held_.reset();
}

bool StreamedFile::append(std::string_view bytes) {
    if (code_ != 0) return false;
    if (!writeAll(fd_, bytes.data(), bytes.size())) {
        fail(errno);
        return false;
    }
    size_ += static_cast<long long>(bytes.size());
    if (size_ - flushedTo_ >= FlushStep) {
        if (!flusher_) flusher_ = std::make_unique<FlushBehind>(fd_);
        flusher_->ask();
        flushedTo_ = size_;
    }
    return true;
}

bool StreamedFile::commit(bool mayReplace, bool flush) {
    if (code_ != 0) return false;
    const int flushedBehind = flusher_ ? flusher_->stop() : 0;
    flusher_.reset();
    if (flushedBehind != 0) {
        fail(flushedBehind);
        return false;
    }
    if (flush && ::fsync(fd_) != 0) {
        fail(errno);
        return false;
    }
    int code = 0;
    if (unnamed_) {
        char self[64];
        std::snprintf(self, sizeof self, "/proc/self/fd/%d", fd_);
        code = linkUnnamed(self, path_, mayReplace);
    } else if (mayReplace) {
        code = std::rename(temp_.c_str(), path_.c_str()) == 0 ? 0 : errno;
    } else {
        code = renameNoReplace(temp_, path_);
    }
    if (code == 0) temp_.clear();  // it is the target now
    const int closing = ::close(fd_) == 0 ? 0 : errno;
    fd_ = -1;
    if (code == 0) code = closing;
    if (code != 0) {
        fail(code);
        return false;
    }
    held_.reset();
    return true;
}

}  // namespace korvant
