#include <cstddef>
#include <cstring>
#include <string>

#include "print/PdfFile.h"

// The entry of the PDF module that the command line loads only when it is
// asked for a PDF, so that its other commands start without Qt: a plain C
// function across the boundary. Returns 1 when the file was written; else
// 0 and the reason in `error` (cut to `capacity` bytes with its NUL).
extern "C" int korvantWriteStatementPdf(const char* path, const char* text, std::size_t length,
                                        char* error, std::size_t capacity) {
    std::string reason;
    if (korvant::print::writeStatementPdfFile(path, std::string(text, length), reason)) return 1;
    if (capacity > 0) {
        const std::size_t n = reason.size() < capacity - 1 ? reason.size() : capacity - 1;
        std::memcpy(error, reason.data(), n);
        error[n] = '\0';
    }
    return 0;
}
