#pragma once

#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

// A folder of this process for the files a target writes, in memory where there is one (the store
// syncs every write). It is removed when the run ends; a run that ends by a crash or a kill cannot, so
// each run first removes the folders of runs whose process is gone.
inline const std::filesystem::path& scratchFolder() {
    namespace fs = std::filesystem;
    constexpr std::string_view kPrefix = "tallowen-fuzz-";
    // Never destroyed: the function that removes the folder at exit runs after the destructors of the
    // statics made before it was registered, this one included.
    static const fs::path* path = [&] {
        const fs::path base = fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
        std::error_code error;
        for (const auto& entry : fs::directory_iterator(base, error)) {
            const std::string name = entry.path().filename().string();
            if (name.rfind(kPrefix, 0) != 0) continue;
            const pid_t pid = static_cast<pid_t>(std::atol(name.c_str() + kPrefix.size()));
            if (pid > 0 && kill(pid, 0) != 0 && errno == ESRCH) fs::remove_all(entry.path(), error);
        }
        auto* dir = new fs::path(base / (std::string(kPrefix) + std::to_string(getpid())));
        fs::create_directories(*dir);
        std::atexit([] {
            std::error_code ignored;
            fs::remove_all(scratchFolder(), ignored);
        });
        return dir;
    }();
    return *path;
}
