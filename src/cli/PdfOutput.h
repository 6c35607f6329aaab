#pragma once

#include <string>

// The PDF output of a statement, written by the module korvant-pdf.so,
// loaded on first use from lib/korvant/ beside the program's bin/ folder (in
// the build folder as in an installation).
namespace korvant::cli {

// Where the module of a program in `programDir` is.
std::string pdfModulePath(const std::string& programDir);

// False with the reason in `error` when the module is missing or the file
// could not be written.
bool writeStatementPdf(const std::string& path, const std::string& utf8Text, std::string& error);

}  // namespace korvant::cli
