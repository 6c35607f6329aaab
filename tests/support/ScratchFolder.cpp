#include "support/ScratchFolder.h"

#include <stdlib.h>

#include <cerrno>
#include <fstream>
#include <system_error>
#include <vector>

namespace korvant::test {

ScratchFolder::ScratchFolder(const std::string& tag) {
    const std::string pattern =
        (std::filesystem::temp_directory_path() / ("korvant-" + tag + "-XXXXXX")).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (::mkdtemp(name.data()) == nullptr)
        throw std::system_error(errno, std::generic_category(), "mkdtemp " + pattern);
    path_ = name.data();
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void ScratchFolder::write(const std::string& name, const std::string& bytes) const {
    std::ofstream(path_ / name, std::ios::binary) << bytes;
}

}  // namespace korvant::test
