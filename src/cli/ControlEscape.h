#pragma once

#include <string>

// Server texts reach the terminal and the output streams of scripts: control
// characters in them (below 0x20, and 0x7F) are written as visible escapes so
// that no text can move the cursor, recolour the terminal or forge a line.
// A newline becomes the two characters "\n", every other control character
// "\xNN" (two upper-case hex digits). Bytes of UTF-8 characters are kept.
namespace korvant::cli {

// With `keepLayout` tab, carriage return and newline stay as they are (a
// text of many lines, such as a statement).
std::string escapeControls(const std::string& text, bool keepLayout = false);

}  // namespace korvant::cli
