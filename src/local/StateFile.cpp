#include "local/StateFile.h"

#include <sys/stat.h>

#include <cerrno>
#include <string_view>

#include "local/FileErrorText.h"
#include "local/UserFile.h"
#include "local/WholeFile.h"

namespace korvant {
namespace {

constexpr std::string_view Section = "[DeskState]";

bool keyCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           c == '.' || c == '_' || c == '/' || c == '-';
}

// Valid UTF-8 without control characters.
bool printableUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 || c == 0x7F) return false;
        if (c < 0x80) {
            ++i;
            continue;
        }
        std::size_t more = 0;
        if ((c & 0xE0) == 0xC0 && c >= 0xC2)
            more = 1;
        else if ((c & 0xF0) == 0xE0)
            more = 2;
        else if ((c & 0xF8) == 0xF0 && c <= 0xF4)
            more = 3;
        else
            return false;
        if (i + more >= text.size()) return false;
        for (std::size_t k = 1; k <= more; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        i += more + 1;
    }
    return true;
}

StateFile unreadable(std::string problem) {
    StateFile file;
    file.outcome = StateFile::Outcome::Unreadable;
    file.problem = std::move(problem);
    return file;
}

}  // namespace

bool isStateKey(const std::string& key) {
    if (key.empty() || key.size() > 200) return false;
    for (char c : key)
        if (!keyCharacter(c)) return false;
    return true;
}

bool isStateValue(const std::string& value) {
    return value.size() <= 64 * 1024 && printableUtf8(value);
}

StateFile readStateFile(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 && errno == ENOENT) return {};
    const UserFile read = readUserFile(path, StateFileMaxBytes);
    switch (read.outcome) {
        case UserFile::Outcome::Read:
            break;
        case UserFile::Outcome::NotRegular:
            return unreadable("不是普通文件");
        case UserFile::Outcome::TooLarge:
            return unreadable("文件过大");
        case UserFile::Outcome::OpenFailed:
        case UserFile::Outcome::ReadFailed:
            return unreadable(read.error);
    }
    StateFile file;
    file.outcome = StateFile::Outcome::Read;
    std::string_view text(read.bytes);
    bool sectionSeen = false;
    int lineNumber = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty()) continue;
        const std::string where = "第 " + std::to_string(lineNumber) + " 行";
        if (!sectionSeen) {
            if (line != Section) return unreadable(where + "不是 [DeskState]");
            sectionSeen = true;
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) return unreadable(where + "无法识别");
        std::string key(line.substr(0, equals));
        std::string value(line.substr(equals + 1));
        if (!isStateKey(key) || !isStateValue(value)) return unreadable(where + "无法识别");
        file.values[std::move(key)] = std::move(value);
    }
    if (!sectionSeen) return unreadable("文件为空");
    return file;
}

std::string stateFileText(const std::map<std::string, std::string>& values) {
    std::string text(Section);
    text += '\n';
    for (const auto& [key, value] : values) {
        if (!isStateKey(key) || !isStateValue(value)) continue;
        text += key;
        text += '=';
        text += value;
        text += '\n';
    }
    return text;
}

bool writeStateFile(const std::string& path, const std::map<std::string, std::string>& values,
                    std::string* error) {
    // Not forced to the disk: a crash may lose it, never leave half of it.
    return writeWholeFile(path, stateFileText(values), error, -1, false);
}

}  // namespace korvant
