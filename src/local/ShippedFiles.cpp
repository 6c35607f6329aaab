#include "local/ShippedFiles.h"

#include <filesystem>

#ifndef KORVANT_DATA_FROM_BIN
#error "KORVANT_DATA_FROM_BIN is set by the build"
#endif
#ifndef KORVANT_DOC_FROM_BIN
#error "KORVANT_DOC_FROM_BIN is set by the build"
#endif

namespace korvant {
namespace {

std::string joined(const std::string& folder, const std::string& relative) {
    return (std::filesystem::path(folder) / relative).lexically_normal().string();
}

}  // namespace

std::string shippedDataDir(const std::string& programDir) {
    return joined(programDir, KORVANT_DATA_FROM_BIN);
}

std::vector<std::string> manualPlaces(const std::string& programDir) {
    return {joined(programDir, ManualFileName),
            joined(joined(programDir, KORVANT_DOC_FROM_BIN), ManualFileName)};
}

}  // namespace korvant
