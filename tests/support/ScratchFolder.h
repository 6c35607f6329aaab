#pragma once

#include <filesystem>
#include <string>

// A folder of the test's own under the temporary directory, made with a
// unique name (mkdtemp, mode 0700) and removed with everything in it when
// the object goes. Tests run in parallel and in any order: none shares a
// fixed name with another.
namespace korvant::test {

class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& tag = "test");
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The path of `name` inside the folder.
    std::string file(const std::string& name) const { return (path_ / name).string(); }
    // Writes `bytes` to `name` inside the folder, as they are.
    void write(const std::string& name, const std::string& bytes) const;

private:
    std::filesystem::path path_;
};

}  // namespace korvant::test
