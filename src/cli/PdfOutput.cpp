#include "cli/PdfOutput.h"

#include <dlfcn.h>

#include <filesystem>
#include <system_error>

#ifndef KORVANT_MODULES_FROM_BIN
#error "KORVANT_MODULES_FROM_BIN is set by the build"
#endif

namespace korvant::cli {

namespace {

using WritePdf = int (*)(const char*, const char*, std::size_t, char*, std::size_t);

}  // namespace

std::string pdfModulePath(const std::string& programDir) {
    return (std::filesystem::path(programDir) / KORVANT_MODULES_FROM_BIN / "korvant-pdf.so")
        .lexically_normal()
        .string();
}

bool writeStatementPdf(const std::string& path, const std::string& utf8Text, std::string& error) {
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    const std::string module = pdfModulePath(self.parent_path().string());
    void* handle = dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        const char* why = dlerror();
        error = "PDF 输出不可用: " + std::string(why != nullptr ? why : module);
        return false;
    }
    auto write = reinterpret_cast<WritePdf>(dlsym(handle, "korvantWriteStatementPdf"));
    if (write == nullptr) {
        error = "PDF 输出不可用: " + module;
        return false;
    }
    // The module stays loaded: Qt does not unload cleanly.
    char reason[512] = {};
    if (write(path.c_str(), utf8Text.data(), utf8Text.size(), reason, sizeof reason) == 1)
        return true;
    error = reason;
    return false;
}

}  // namespace korvant::cli
