#pragma once

#include <filesystem>
#include <fstream>
#include <string>

#include "sound/midi_writer.h"

namespace tallowen::testing {

// A tune of `quarters` quarter notes at 120 a minute (half a second each) on one General MIDI
// instrument, written to `file`.
inline void writeShortTune(const std::filesystem::path& file, int quarters, int program = 0) {
    SongVoice voice;
    voice.program = program;
    for (int i = 0; i < quarters; ++i) voice.notes.push_back({i * kTicksPerQuarter, 470, 60 + i % 8, 90});
    const Song song{"Short", 120, 4, 4, quarters * kTicksPerQuarter, {voice}};
    std::ofstream(file, std::ios::binary) << standardMidiFile(song);
}

inline void writeFile(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

}  // namespace tallowen::testing
