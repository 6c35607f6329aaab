#pragma once

#include <map>
#include <string>

// "DeskState.ini": what the desk remembers of how the user left it (the
// window, the splitters, the lists' columns and sorts, the dates of the
// report tabs, the folders of the exports, the last view). One section
// "[DeskState]", then "key=value" lines; keys of letters, digits and
// "._/-", values of printable UTF-8 (binary values are written in base64 by
// the desk). It is written whole or not at all (a temporary file renamed into
// place); a file that cannot be read or is not of this form is ignored as a
// whole.
namespace korvant {

struct StateFile {
    enum class Outcome {
        Missing,     // no file: the built-in layout, nothing to say
        Read,        // `values` holds the file
        Unreadable,  // `problem` says why; the file is ignored
    };
    Outcome outcome = Outcome::Missing;
    std::map<std::string, std::string> values;
    std::string problem;
};

// Larger files are not this file.
inline constexpr std::size_t StateFileMaxBytes = 1024 * 1024;

StateFile readStateFile(const std::string& path);
// The file's text for `values`; a key or value that cannot be written is left
// out.
std::string stateFileText(const std::map<std::string, std::string>& values);
// Writes the file whole; false (and `error` the reason) on failure.
bool writeStateFile(const std::string& path, const std::map<std::string, std::string>& values,
                    std::string* error = nullptr);

// Whether a key or a value can go into the file as it is.
bool isStateKey(const std::string& key);
bool isStateValue(const std::string& value);

}  // namespace korvant
