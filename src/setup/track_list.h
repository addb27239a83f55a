#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "engine/random_source.h"

namespace tallowen {

inline constexpr const char* kSilenceEntry = "(Silence)";

// The music window's track list: "(Silence)", then the names of the folder's ".mid" files without
// the extension, in alphabetical order. "(Silence)" alone when the folder is missing or empty.
std::vector<std::string> musicTrackList(const std::filesystem::path& folder);

// The entry start-up selects in a list of `count` entries: a random one of the tracks after
// "(Silence)", or "(Silence)" when there is no track.
int firstTrack(int count, RandomSource& random);

// The file a track's entry plays.
std::filesystem::path trackPath(const std::filesystem::path& folder, const std::string& entry);

}  // namespace tallowen
