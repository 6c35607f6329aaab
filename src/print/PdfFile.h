#pragma once

#include <string>

// The PDF export for a program without a window system of its own (the
// command line): Qt's offscreen platform is started on first use.
namespace korvant::print {

// The UTF-8 text as the bytes of a PDF file (see statementPdf). On failure
// returns false and the reason in `error`.
bool statementPdfBytes(const std::string& utf8Text, std::string& bytes, std::string& error);

}  // namespace korvant::print
