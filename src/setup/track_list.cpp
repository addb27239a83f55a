#include "setup/track_list.h"

#include <algorithm>
#include <cctype>
#include <system_error>

namespace tallowen {

namespace {

constexpr std::string_view kExtension = ".mid";

bool alphabetically(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](unsigned char x, unsigned char y) {
        return std::tolower(x) < std::tolower(y);
    });
}

}  // namespace

std::vector<std::string> musicTrackList(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        std::error_code ignored;
        if (name.size() > kExtension.size() && name.ends_with(kExtension) && !it->is_directory(ignored))
            names.push_back(name.substr(0, name.size() - kExtension.size()));
    }
    std::sort(names.begin(), names.end(), alphabetically);
    names.insert(names.begin(), kSilenceEntry);
    return names;
}

int firstTrack(int count, RandomSource& random) {
    if (count <= 1) return 0;
    return static_cast<int>(random.uniform() * (count - 1)) + 1;
}

std::filesystem::path trackPath(const std::filesystem::path& folder, const std::string& entry) {
    return folder / (entry + std::string(kExtension));
}

}  // namespace tallowen
