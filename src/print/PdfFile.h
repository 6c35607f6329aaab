#pragma once

#include <string>

// The PDF export for a program without a window system of its own (the
// command line): Qt's offscreen platform is started on first use.
namespace korvant::print {

// Writes the UTF-8 text as a PDF file (see writeStatementPdf). On failure
// returns false and the reason in `error`.
bool writeStatementPdfFile(const std::string& path, const std::string& utf8Text,
                           std::string& error);

}  // namespace korvant::print
