#pragma once
#include <filesystem>
#include <string>

namespace tq::test {

// A fresh folder under the build tree for one test, removed when the object goes.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

std::string ReadWholeFile(const std::filesystem::path& path);
void WriteWholeFile(const std::filesystem::path& path, const std::string& bytes);
std::filesystem::path SourcePath(const std::string& relative); // under the repository

} // namespace tq::test
