#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <string>

#include "print/PdfFile.h"

// The entry of the PDF module that the command line loads only when it is
// asked for a PDF, so that its other commands start without Qt: a plain C
// function across the boundary. Returns 1 with the PDF's bytes in `*bytes`
// (malloc'ed, the caller frees them) and their number in `*size`; else 0
// and the reason in `error` (cut to `capacity` bytes with its NUL). The
// caller writes the file itself.
extern "C" int korvantStatementPdf(const char* text, std::size_t length, char** bytes,
                                   std::size_t* size, char* error, std::size_t capacity) {
    std::string pdf;
    std::string reason;
    if (korvant::print::statementPdfBytes(std::string(text, length), pdf, reason)) {
        *bytes = static_cast<char*>(std::malloc(pdf.size() > 0 ? pdf.size() : 1));
        if (*bytes != nullptr) {
            std::memcpy(*bytes, pdf.data(), pdf.size());
            *size = pdf.size();
            return 1;
        }
        reason = "内存不足";
    }
    if (capacity > 0) {
        const std::size_t n = reason.size() < capacity - 1 ? reason.size() : capacity - 1;
        std::memcpy(error, reason.data(), n);
        error[n] = '\0';
    }
    return 0;
}
