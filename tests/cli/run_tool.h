#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace tallowen::test {

struct ToolRun {
    std::string out;
    std::string err;
    int exitCode = -1;
};

// Runs tallowen-engine with the given arguments (already shell-quoted) and collects stdout and stderr.
inline ToolRun runTool(const std::string& arguments) {
    ToolRun run;
    std::string errFile = (std::filesystem::temp_directory_path() / "tallowen-tool-err-XXXXXX").string();
    const int fd = mkstemp(errFile.data());
    if (fd < 0) return run;
    close(fd);
    const std::string command = std::string(TALLOWEN_ENGINE_PATH) + " " + arguments + " 2>" + errFile;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        std::array<char, 4096> buffer{};
        std::size_t n;
        while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) run.out.append(buffer.data(), n);
        const int status = pclose(pipe);
        run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::ifstream err(errFile, std::ios::binary);
    run.err.assign(std::istreambuf_iterator<char>(err), std::istreambuf_iterator<char>());
    std::filesystem::remove(errFile);
    return run;
}

inline std::string quoted(const std::string& s) { return "'" + s + "'"; }

}  // namespace tallowen::test
