#include "local/LastLogin.h"

#include <algorithm>
#include <cstring>

#include "local/UserFile.h"
#include "local/WholeFile.h"
#include "protocol/Bytes.h"
#include "protocol/Gbk.h"

namespace korvant {
namespace {

constexpr std::size_t AccountOffset = 12;
constexpr std::size_t PasswordOffset = 28;
constexpr std::size_t TextWidth = 16;

// The file is 44 bytes; anything far longer is not this file.
constexpr std::size_t MaxFileBytes = 4096;

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
    const UserFile file = readUserFile(path, MaxFileBytes);
    if (!file.ok()) return {};
    return fromBytes(reinterpret_cast<const uint8_t*>(file.bytes.data()),
                     std::min<std::size_t>(file.bytes.size(), FileSize));
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
    const auto bytes = toBytes();
    // The password may be in it: readable by its owner only. It is written
    // while the login goes on: not forced to the disk (a crash may lose it,
    // never leave half of it; a short file reads as no remembered login).
    return writeWholeFile(
        path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), nullptr,
        0600, false);
}

}  // namespace korvant
