#include "local/WholeFile.h"

#include "local/FileErrorText.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace korvant {

namespace {

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

}  // namespace

bool writeWholeFile(const std::string& path, std::string_view bytes, std::string* error) {
    auto fail = [error](int code) {
        if (error != nullptr) *error = fileErrorText(code);
        return false;
    };
    if (path.empty()) return fail(ENOENT);
    std::string temp = path + ".XXXXXX";
    int fd = ::mkstemp(temp.data());
    if (fd < 0) return fail(errno);
    // A replaced file keeps its permission bits (an export kept private
    // stays private); a new one gets 0644 less the umask.
    mode_t mode = 0;
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0 && S_ISREG(existing.st_mode)) {
        mode = existing.st_mode & 07777;
    } else {
        mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0644 & ~mask;
    }
    int code = 0;
    if (::fchmod(fd, mode) != 0 || !writeAll(fd, bytes.data(), bytes.size()) || ::fsync(fd) != 0)
        code = errno;
    if (::close(fd) != 0 && code == 0) code = errno;
    if (code == 0 && std::rename(temp.c_str(), path.c_str()) != 0) code = errno;
    if (code != 0) {
        ::unlink(temp.c_str());
        return fail(code);
    }
    return true;
}

}  // namespace korvant
