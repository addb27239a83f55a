#include "records/store_location.h"

#include <cstdlib>

namespace tallowen {

namespace {

bool given(const char* variable) { return variable && *variable; }

}  // namespace

std::filesystem::path storePath(const std::optional<std::string>& commandLine, const char* tallowenStore,
                                const char* xdgDataHome, const char* home) {
    if (commandLine && !commandLine->empty()) return *commandLine;
    if (given(tallowenStore)) return tallowenStore;
    const std::filesystem::path data = given(xdgDataHome) ? std::filesystem::path(xdgDataHome)
                                                          : std::filesystem::path(given(home) ? home : ".") /
                                                                ".local" / "share";
    return data / "tallowen" / "settings.sqlite3";
}

std::filesystem::path storePath(const std::optional<std::string>& commandLine) {
    return storePath(commandLine, std::getenv("TALLOWEN_STORE"), std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
}

}  // namespace tallowen
