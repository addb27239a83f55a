#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace tallowen::test {

struct ToolRun {
    std::string out;
    std::string err;
    int exitCode = -1;
};

// Runs tallowen-engine with the given arguments (already shell-quoted) and collects stdout and stderr.
inline ToolRun runTool(const std::string& arguments) {
    const auto stem = std::filesystem::temp_directory_path() / ("tallowen-tool-" + std::to_string(getpid()));
    const std::string out = stem.string() + ".out", err = stem.string() + ".err";
    const int status = std::system((TALLOWEN_ENGINE_PATH " " + arguments + " >" + out + " 2>" + err).c_str());
    const auto read = [](const std::string& path) {
        std::ostringstream text;
        text << std::ifstream(path, std::ios::binary).rdbuf();
        std::filesystem::remove(path);
        return text.str();
    };
    return {read(out), read(err), WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

inline std::string quoted(const std::string& s) { return "'" + s + "'"; }

}  // namespace tallowen::test
