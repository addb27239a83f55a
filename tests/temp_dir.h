#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

namespace tallowen::testing {

// A fresh directory under `base` (the system's temporary folder when empty), removed with everything
// in it.
class TempDir {
public:
    explicit TempDir(const std::filesystem::path& base = {}) {
        const auto folder = base.empty() ? std::filesystem::temp_directory_path() : base;
        std::string pattern = (folder / "tallowen-test-XXXXXX").string();
        path_ = mkdtemp(pattern.data());
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

}  // namespace tallowen::testing
