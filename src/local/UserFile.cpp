#include "local/UserFile.h"

#include "local/FileErrorText.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace korvant {

UserFile readUserFile(const std::string& path, std::size_t maxBytes) {
    UserFile file;
    // Non-blocking, so that opening a FIFO without a writer returns at once.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        file.error = fileErrorText(errno);
        return file;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        file.outcome = UserFile::Outcome::NotRegular;
        return file;
    }
    if (static_cast<unsigned long long>(info.st_size) > maxBytes) {
        ::close(fd);
        file.outcome = UserFile::Outcome::TooLarge;
        return file;
    }
    // The size may change while the file is read: one byte more than the
    // bound tells.
    file.bytes.resize(static_cast<std::size_t>(info.st_size) + 1);
    std::size_t have = 0;
    for (;;) {
        if (have == file.bytes.size()) {
            if (have > maxBytes) break;
            file.bytes.resize(std::min(maxBytes + 1, have * 2 + 4096));
        }
        const ssize_t n = ::read(fd, file.bytes.data() + have, file.bytes.size() - have);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            file.error = fileErrorText(errno);
            file.outcome = UserFile::Outcome::ReadFailed;
            file.bytes.clear();
            ::close(fd);
            return file;
        }
        if (n == 0) break;
        have += static_cast<std::size_t>(n);
    }
    ::close(fd);
    if (have > maxBytes) {
        file.bytes.clear();
        file.outcome = UserFile::Outcome::TooLarge;
        return file;
    }
    file.bytes.resize(have);
    file.outcome = UserFile::Outcome::Read;
    return file;
}

}  // namespace korvant
