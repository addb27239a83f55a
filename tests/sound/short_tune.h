#pragma once

#include <filesystem>
#include <fstream>
#include <string>

#include "sound/midi_writer.h"

namespace tallowen::testing {

// A tune of `quarters` quarter notes at 120 a minute (half a second each), written to `file`.
inline void writeShortTune(const std::filesystem::path& file, int quarters) {
    SongVoice piano;
    for (int i = 0; i < quarters; ++i) piano.notes.push_back({i * kTicksPerQuarter, 400, 60 + i % 8, 90});
    const Song song{"Short", 120, 4, 4, quarters * kTicksPerQuarter, {piano}};
    std::ofstream(file, std::ios::binary) << standardMidiFile(song);
}

inline void writeFile(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

}  // namespace tallowen::testing
