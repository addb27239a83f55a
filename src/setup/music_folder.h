#pragma once

#include <filesystem>

namespace tallowen {

// Where the tunes are: the "Music" folder beside the executable, or else share/tallowen/Music of
// the tree the executable is installed in; the one beside it when neither exists.
std::filesystem::path musicFolder(const std::filesystem::path& executableFolder);

}  // namespace tallowen
