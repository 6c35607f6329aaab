#pragma once

#include <string>

// The PDF output of a statement, written by the module korvant-pdf.so
// beside the program, loaded on first use.
namespace korvant::cli {

// False with the reason in `error` when the module is missing or the file
// could not be written.
bool writeStatementPdf(const std::string& path, const std::string& utf8Text, std::string& error);

}  // namespace korvant::cli
