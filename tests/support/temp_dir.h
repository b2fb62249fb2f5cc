#pragma once
// A fresh folder per test, removed afterwards.

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include <unistd.h>

namespace rq::test {

class TempDir {
  public:
    TempDir() {
        std::string tmpl = (std::filesystem::temp_directory_path() / "rq810z-test-XXXXXX").string();
        char* made = mkdtemp(tmpl.data());
        path_ = made ? std::string(made) + "/" : std::string();
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // With a trailing "/".
    const std::string& path() const { return path_; }
    std::string operator/(std::string_view name) const { return path_ + std::string(name); }

  private:
    std::string path_;
};

inline void write_bytes(const std::string& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string read_bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Restores the working directory when a test changed it.
class KeepCwd {
  public:
    KeepCwd() { cwd_ = std::filesystem::current_path(); }
    ~KeepCwd() {
        std::error_code ec;
        std::filesystem::current_path(cwd_, ec);
    }

  private:
    std::filesystem::path cwd_;
};

}  // namespace rq::test
