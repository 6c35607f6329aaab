#include "cli/PdfOutput.h"

#include <dlfcn.h>

#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "local/WholeFile.h"

#ifndef KORVANT_MODULES_FROM_BIN
#error "KORVANT_MODULES_FROM_BIN is set by the build"
#endif

namespace korvant::cli {

namespace {

using StatementPdf = int (*)(const char*, std::size_t, char**, std::size_t*, char*, std::size_t);

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
    auto render = reinterpret_cast<StatementPdf>(dlsym(handle, "korvantStatementPdf"));
    if (render == nullptr) {
        error = "PDF 输出不可用: " + module;
        return false;
    }
    // The module stays loaded: Qt does not unload cleanly.
    char reason[512] = {};
    char* bytes = nullptr;
    std::size_t size = 0;
    if (render(utf8Text.data(), utf8Text.size(), &bytes, &size, reason, sizeof reason) != 1) {
        error = reason;
        return false;
    }
    // Written as every other file: completely or not at all, never onto a
    // folder, a device or a FIFO.
    const bool written = writeWholeFile(path, std::string_view(bytes, size), &error);
    std::free(bytes);
    return written;
}

}  // namespace korvant::cli
