#include "setup/music_folder.h"

#include <system_error>

namespace tallowen {

std::filesystem::path musicFolder(const std::filesystem::path& executableFolder) {
    const std::filesystem::path beside = executableFolder / "Music";
    const std::filesystem::path installed =
        (executableFolder / ".." / "share" / "tallowen" / "Music").lexically_normal();
    std::error_code ignored;
    if (!std::filesystem::is_directory(beside, ignored) && std::filesystem::is_directory(installed, ignored))
        return installed;
    return beside;
}

}  // namespace tallowen
