#pragma once

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

// A folder of this process for the files a target writes, in memory where there is one (the store
// syncs every write); it is removed when the process ends.
inline const std::filesystem::path& scratchFolder() {
    namespace fs = std::filesystem;
    static const fs::path path = [] {
        const fs::path base = fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
        fs::path dir = base / ("tallowen-fuzz-" + std::to_string(getpid()));
        fs::create_directories(dir);
        std::atexit([] { fs::remove_all(scratchFolder()); });
        return dir;
    }();
    return path;
}
