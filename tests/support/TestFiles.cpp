#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace tq::test {

TempDir::TempDir() {
    static std::atomic<int> counter{0};
    std::string name = "t";
    if (const auto* info = ::testing::UnitTest::GetInstance()->current_test_info())
        name = std::string(info->test_suite_name()) + "." + info->name();
    for (auto& c : name)
        if (c == '/') c = '_';
    path_ = std::filesystem::path(TQ_BINARY_DIR) / "test_tmp" /
            (name + "." + std::to_string(::getpid()) + "." + std::to_string(counter++));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::string ReadWholeFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteWholeFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::filesystem::path SourcePath(const std::string& relative) { return std::filesystem::path(TQ_SOURCE_DIR) / relative; }

} // namespace tq::test
