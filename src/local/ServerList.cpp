#include "local/ServerList.h"

#include <cctype>
#include <climits>
#include <fstream>
#include <iterator>
#include <sstream>

#include "local/UserFile.h"
#include "protocol/Gbk.h"

namespace korvant {
namespace {

constexpr std::size_t NameLimit = 63;      // bytes, before trimming
constexpr std::size_t AddressLimit = 255;  // bytes

bool isBlankByte(unsigned char c) {
    return c >= 1 && c <= 32;
}

std::string_view trimBytes(std::string_view s) {
    while (!s.empty() && isBlankByte(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
    while (!s.empty() && isBlankByte(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
    return s;
}

bool equalNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

// Keeps the longest prefix of a UTF-8 text whose GBK form fits in `limit`
// bytes, never cutting a character.
std::string cutToGbkBytes(const std::string& utf8, std::size_t limit) {
    std::size_t gbkBytes = 0;
    std::size_t i = 0;
    while (i < utf8.size()) {
        auto c = static_cast<unsigned char>(utf8[i]);
        std::size_t n = c < 0x80 ? 1 : (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : 4;
        if (i + n > utf8.size()) n = utf8.size() - i;
        std::size_t width = c < 0x80 ? 1 : 2;
        if (gbkBytes + width > limit) break;
        gbkBytes += width;
        i += n;
    }
    return utf8.substr(0, i);
}

// Calls `onLine` for each line of the text (any line ending); stops when it
// returns false.
template <typename OnLine>
void forEachLine(std::string_view text, OnLine onLine) {
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        std::string_view line = text.substr(
            start, end == std::string_view::npos ? std::string_view::npos : end - start);
        if (!onLine(line)) return;
        if (end == std::string_view::npos) return;
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
    }
}

bool findValue(std::string_view text, std::string_view section, std::string_view key,
               std::string& value) {
    bool inSection = false;
    bool found = false;
    forEachLine(text, [&](std::string_view raw) {
        std::string_view line = trimBytes(raw);
        if (line.empty() || line.front() == ';') return true;
        if (line.front() == '[') {
            std::size_t close = line.find(']');
            std::string_view name = trimBytes(line.substr(
                1, close == std::string_view::npos ? std::string_view::npos : close - 1));
            inSection = equalNoCase(name, section);
            return true;
        }
        if (!inSection) return true;
        std::size_t eq = line.find('=');
        if (eq == std::string_view::npos) return true;
        if (!equalNoCase(trimBytes(line.substr(0, eq)), key)) return true;
        std::string_view v = trimBytes(line.substr(eq + 1));
        if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
            v = v.substr(1, v.size() - 2);
        value.assign(v);
        found = true;
        return false;
    });
    return found;
}

}  // namespace

std::string decodeConfigText(std::string_view bytes) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") return std::string(bytes.substr(3));
    if (isValidUtf8(bytes)) return std::string(bytes);
    return fromGbk(bytes);
}

std::string iniValue(std::string_view text, std::string_view section, std::string_view key,
                     const std::string& fallback) {
    std::string value;
    return findValue(text, section, key, value) ? value : fallback;
}

int iniInt(std::string_view text, std::string_view section, std::string_view key, int fallback) {
    std::string value;
    if (!findValue(text, section, key, value)) return fallback;
    std::size_t i = 0;
    bool negative = false;
    if (i < value.size() && (value[i] == '-' || value[i] == '+')) negative = value[i++] == '-';
    long long n = 0;
    for (; i < value.size() && value[i] >= '0' && value[i] <= '9'; ++i) {
        n = n * 10 + (value[i] - '0');
        if (n > INT_MAX) return 0;
    }
    return static_cast<int>(negative ? -n : n);
}

ServerList ServerList::parse(std::string_view fileBytes) {
    ServerList list;
    std::string text = decodeConfigText(fileBytes);
    // Each name ends the list when empty; the loop is bounded by the keys
    // the file can hold.
    for (int i = 1; i <= static_cast<int>(text.size()); ++i) {
        std::string n = std::to_string(i);
        std::string name(trimBytes(cutToGbkBytes(iniValue(text, "Server", "Name" + n), NameLimit)));
        if (name.empty()) break;
        list.names_.push_back(name);
        list.addresses_.push_back(
            cutToGbkBytes(iniValue(text, "Server", "Addr" + n), AddressLimit));
        list.ports_.push_back(iniInt(text, "Server", "Port" + n, 0));
    }
    return list;
}

ServerList ServerList::read(const std::string& path) {
    // A server list is a few lines; a file of a megabyte is not one.
    const UserFile file = readUserFile(path, std::size_t{1} << 20);
    if (!file.ok()) return {};
    return parse(file.bytes);
}

std::string ServerList::address(int position) const {
    if (position < 0 || position >= size()) return {};
    return addresses_[static_cast<std::size_t>(position)];
}

int ServerList::port(int position) const {
    if (position < 0 || position >= size()) return 0;
    return ports_[static_cast<std::size_t>(position)];
}

}  // namespace korvant
