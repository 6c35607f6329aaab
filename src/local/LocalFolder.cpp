#include "local/LocalFolder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "local/FileErrorText.h"
#include "local/ShippedFiles.h"
#include "local/WholeFile.h"

namespace korvant {
namespace {

// A sample larger than this is not a sample.
constexpr std::uintmax_t MaxSampleBytes = 1 << 20;

bool isDirectory(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// Creates `path` and its missing parents, each with mode 0700.
int makeFolders(const std::filesystem::path& path) {
    if (path.empty() || isDirectory(path.string())) return 0;
    if (path.has_parent_path() && path.parent_path() != path) {
        if (int code = makeFolders(path.parent_path()); code != 0) return code;
    }
    if (::mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) return errno;
    return isDirectory(path.string()) ? 0 : ENOTDIR;
}

// Copies one shipped sample; a missing sample is no error.
std::string copySample(const std::string& from, const std::string& to) {
    struct stat info {};
    if (::lstat(to.c_str(), &info) == 0) return {};
    if (::stat(from.c_str(), &info) != 0) return {};
    if (!S_ISREG(info.st_mode) || static_cast<std::uintmax_t>(info.st_size) > MaxSampleBytes)
        return from + "：不是示例文件";
    std::ifstream in(from, std::ios::binary);
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (!in.eof() && in.fail()) return from + "：" + fileErrorText(errno);
    std::string error;
    if (!writeWholeFile(to, bytes, &error)) return to + "：" + error;
    return {};
}

}  // namespace

bool isInstalledCopy(const std::string& programDir) {
    if (::access(programDir.c_str(), W_OK) != 0) return true;
    return isDirectory(shippedDataDir(programDir));
}

LocalFolder chooseLocalFolder(const LocalFolderPlaces& places) {
    if (!places.option.empty()) return {places.option, LocalFolderSource::Option};
    if (!places.environment.empty()) return {places.environment, LocalFolderSource::Environment};
    if (places.userConfigDir.empty() || !isInstalledCopy(places.programDir))
        return {places.programDir, LocalFolderSource::BesideProgram};
    return {places.userConfigDir, LocalFolderSource::UserConfig};
}

std::string prepareUserFolder(const std::string& folder, const std::string& samplesDir) {
    if (int code = makeFolders(folder); code != 0) return folder + "：" + fileErrorText(code);
    std::string problem;
    for (const std::string& name : shippedSamples()) {
        std::string error = copySample((std::filesystem::path(samplesDir) / name).string(),
                                       (std::filesystem::path(folder) / name).string());
        if (problem.empty()) problem = error;
    }
    const std::string lastLogin = (std::filesystem::path(folder) / "ServerInfo.Dat").string();
    struct stat info {};
    if (::lstat(lastLogin.c_str(), &info) == 0 && S_ISREG(info.st_mode) && (info.st_mode & 077))
        if (::chmod(lastLogin.c_str(), 0600) != 0 && problem.empty())
            problem = lastLogin + "：" + fileErrorText(errno);
    return problem;
}

LocalFolder settleLocalFolder(const LocalFolderPlaces& places, std::string& problem) {
    LocalFolder folder = chooseLocalFolder(places);
    problem.clear();
    if (folder.source == LocalFolderSource::UserConfig)
        problem = prepareUserFolder(folder.path, shippedDataDir(places.programDir));
    return folder;
}

}  // namespace korvant
