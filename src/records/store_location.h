#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace tallowen {

// The store file: the path given on the command line, else $TALLOWEN_STORE, else
// $XDG_DATA_HOME/tallowen/settings.sqlite3, else ~/.local/share/tallowen/settings.sqlite3. Empty
// variables count as unset.
std::filesystem::path storePath(const std::optional<std::string>& commandLine, const char* tallowenStore,
                                const char* xdgDataHome, const char* home);

// The same, reading the environment.
std::filesystem::path storePath(const std::optional<std::string>& commandLine = std::nullopt);

}  // namespace tallowen
