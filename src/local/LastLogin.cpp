#include "local/LastLogin.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>

#include "protocol/Bytes.h"
#include "protocol/Gbk.h"

namespace korvant {
namespace {

constexpr std::size_t AccountOffset = 12;
constexpr std::size_t PasswordOffset = 28;
constexpr std::size_t TextWidth = 16;

bool writeAll(int fd, const uint8_t* data, std::size_t count) {
    while (count > 0) {
        ssize_t n = ::write(fd, data, count);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        data += n;
        count -= static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

LastLogin LastLogin::fromBytes(const uint8_t* data, std::size_t size) {
    // The defaults as bytes, overlaid by as much of the file as there is.
    std::array<uint8_t, FileSize> bytes = LastLogin{}.toBytes();
    if (data != nullptr) std::memcpy(bytes.data(), data, std::min(size, FileSize));
    LastLogin last;
    last.serverIndex = getI32(bytes.data());
    last.reserved = getI32(bytes.data() + 4);
    last.saveFlag = getI32(bytes.data() + 8);
    // Bytes left in the text fields under a cleared save flag were not
    // saved: they are never offered.
    if (last.saveFlag != 0) {
        last.account = readPlainText(bytes.data() + AccountOffset, TextWidth);
        last.password = readPlainText(bytes.data() + PasswordOffset, TextWidth);
    }
    return last;
}

LastLogin LastLogin::read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return {};
    uint8_t bytes[FileSize] = {};
    in.read(reinterpret_cast<char*>(bytes), FileSize);
    return fromBytes(bytes, static_cast<std::size_t>(in.gcount()));
}

std::array<uint8_t, LastLogin::FileSize> LastLogin::toBytes() const {
    std::array<uint8_t, FileSize> bytes{};
    putI32(bytes.data(), serverIndex);
    putI32(bytes.data() + 4, 0);
    bool saved = saveFlag != 0;
    putI32(bytes.data() + 8, saved ? 1 : 0);
    if (saved) {
        writePlainText(bytes.data() + AccountOffset, TextWidth, account);
        writePlainText(bytes.data() + PasswordOffset, TextWidth, password);
    }
    return bytes;
}

bool LastLogin::write(const std::string& path) const {
    if (path.empty()) return false;
    auto bytes = toBytes();
    std::string temp = path + ".XXXXXX";
    int fd = ::mkstemp(temp.data());
    if (fd < 0) return false;
    bool ok =
        ::fchmod(fd, 0600) == 0 && writeAll(fd, bytes.data(), bytes.size()) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (ok) ok = std::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok) ::unlink(temp.c_str());
    return ok;
}

}  // namespace korvant
