#pragma once

#include <string>
#include <string_view>
#include <vector>

// The server list "Server.ini" beside the program: section "Server", keys
// "Name%i", "Addr%i", "Port%i" with i counting from 1. Names are read until
// the first one that is empty after trimming; the address and port of list
// position p are those with i = p + 1. The file is read as UTF-8 when it is
// valid UTF-8 (with or without a byte-order mark), else as GBK. Section and
// key names are matched without regard to case; lines starting with ';' are
// comments.
namespace korvant {

class ServerList {
public:
    // A missing or unreadable file gives an empty list.
    static ServerList read(const std::string& path);
    // The same from the file's bytes.
    static ServerList parse(std::string_view fileBytes);

    const std::vector<std::string>& names() const { return names_; }
    int size() const { return static_cast<int>(names_.size()); }
    bool empty() const { return names_.empty(); }
    // Address (up to 255 GBK bytes) and port of a list position; empty and 0
    // for a position outside the list or a key that is missing.
    std::string address(int position) const;
    int port(int position) const;

private:
    std::vector<std::string> names_;
    std::vector<std::string> addresses_;
    std::vector<int> ports_;
};

// Private-profile reading of one INI text (already UTF-8): the value of a key
// in a section, both matched without regard to case, trimmed of blanks and
// of one pair of enclosing quotes; `fallback` when the key is missing.
std::string iniValue(std::string_view text, std::string_view section, std::string_view key,
                     const std::string& fallback = "");
// The integer at the start of a key's value (0 when none), as private-profile
// integer reading gives it.
int iniInt(std::string_view text, std::string_view section, std::string_view key, int fallback);
// The file's bytes as UTF-8: a byte-order mark is dropped, valid UTF-8 is
// kept, anything else is decoded as GBK.
std::string decodeConfigText(std::string_view fileBytes);

}  // namespace korvant
