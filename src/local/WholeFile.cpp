#include "local/WholeFile.h"

#include "local/FileErrorText.h"
#include "local/TemporaryFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
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

// Mode, bytes, flushed to the disk; the error number or 0. Closes `fd`.
int fillAndClose(int fd, mode_t mode, std::string_view bytes) {
    int code = 0;
    if (::fchmod(fd, mode) != 0 || !writeAll(fd, bytes.data(), bytes.size()) || ::fsync(fd) != 0)
        code = errno;
    if (::close(fd) != 0 && code == 0) code = errno;
    return code;
}

// A free name beside `path` for a moment's link.
std::string sideName(const std::string& path) {
    static std::mt19937 random{std::random_device{}()};
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, ".%08x", static_cast<unsigned>(random()));
    return path + suffix;
}

// The unnamed file: written whole, then linked under the target's name when
// there is none yet, else under a side name renamed over the target at
// once. Returns the error number, 0, or -1 when the file system has no
// unnamed files (nothing was done).
int writeUnnamed(const std::string& path, mode_t mode, std::string_view bytes) {
    int fd = ::open(folderOf(path).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (fd < 0) return errno == EISDIR || errno == EOPNOTSUPP || errno == EINVAL ? -1 : errno;
    char self[64];
    std::snprintf(self, sizeof self, "/proc/self/fd/%d", fd);
    int code = 0;
    if (::fchmod(fd, mode) != 0 || !writeAll(fd, bytes.data(), bytes.size()) || ::fsync(fd) != 0)
        code = errno;
    if (code == 0) {
        if (::linkat(AT_FDCWD, self, AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW) != 0) {
            code = errno;
            if (code == EEXIST) {
                code = 0;
                std::string side;
                for (int attempt = 0; attempt < 8; ++attempt) {
                    side = sideName(path);
                    TemporaryPath held(side);
                    if (::linkat(AT_FDCWD, self, AT_FDCWD, side.c_str(), AT_SYMLINK_FOLLOW) != 0) {
                        code = errno;
                        if (code == EEXIST) continue;
                        break;
                    }
                    if (std::rename(side.c_str(), path.c_str()) != 0) {
                        code = errno;
                        ::unlink(side.c_str());
                    }
                    break;
                }
            } else if (code == ENOENT) {
                // No /proc: the named way.
                ::close(fd);
                return -1;
            }
        }
    }
    if (::close(fd) != 0 && code == 0) code = errno;
    return code;
}

int writeNamed(const std::string& path, mode_t mode, std::string_view bytes) {
    std::string temp = path + ".XXXXXX";
    int fd = ::mkstemp(temp.data());
    if (fd < 0) return errno;
    TemporaryPath held(temp);
    int code = fillAndClose(fd, mode, bytes);
    if (code == 0 && std::rename(temp.c_str(), path.c_str()) != 0) code = errno;
    if (code != 0) ::unlink(temp.c_str());
    return code;
}

}  // namespace

void useUnnamedTemporaryFiles(bool use) {
    unnamedAllowed.store(use);
}

bool writeWholeFile(const std::string& path, std::string_view bytes, std::string* error, int mode) {
    auto fail = [error](int code) {
        if (error != nullptr) *error = fileErrorText(code);
        return false;
    };
    if (path.empty()) return fail(ENOENT);
    const mode_t fileMode = modeFor(path, mode);
    int code = unnamedAllowed.load() ? writeUnnamed(path, fileMode, bytes) : -1;
    if (code < 0) code = writeNamed(path, fileMode, bytes);
    return code == 0 || fail(code);
}

}  // namespace korvant
