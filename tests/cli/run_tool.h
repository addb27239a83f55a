#pragma once

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>

namespace tallowen::test {

struct ToolRun {
    std::string out;
    int exitCode = -1;
};

// Runs tallowen-engine with the given arguments (already shell-quoted) and collects stdout.
inline ToolRun runTool(const std::string& arguments) {
    ToolRun run;
    const std::string command = std::string(TALLOWEN_ENGINE_PATH) + " " + arguments + " 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return run;
    std::array<char, 4096> buffer{};
    std::size_t n;
    while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) run.out.append(buffer.data(), n);
    const int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

inline std::string quoted(const std::string& s) { return "'" + s + "'"; }

}  // namespace tallowen::test
