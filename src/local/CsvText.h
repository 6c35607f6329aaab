#pragma once

#include <string>

// Text fields of the CSV files the desk exports. Such files are opened in
// spreadsheets, which run a field that starts like a formula: text from the
// server (a remark, an operator's name, a contract code) must never do so.
namespace korvant {

// `text` with a single quote in front when it starts with "=", "+", "@" or
// "-" followed by a letter; otherwise unchanged. Only for text fields:
// numbers are written as they are.
std::string csvSafeText(const std::string& text);
void appendCsvSafeText(std::string& out, const std::string& text);

// A text field made safe as csvSafeText does, then quoted ("" for a quote)
// when it holds a comma, a quote or a line break, so that it cannot shift the
// columns of its line or split it.
std::string csvQuotedText(const std::string& text);
// The same appended to `out` (no text of its own for the common field).
void appendCsvQuotedText(std::string& out, const std::string& text);

}  // namespace korvant
