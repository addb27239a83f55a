#pragma once

#include <string>
#include <vector>

namespace tallowen {

inline constexpr int kTicksPerQuarter = 480;

// One sounding note; times in ticks from the start of the song.
struct SongNote {
    int start = 0;
    int length = 0;
    int pitch = 60;
    int velocity = 80;
};

// One instrument on its own channel and track.
struct SongVoice {
    std::string name;
    int channel = 0;
    int program = 0;  // General MIDI, 0-based
    int volume = 100;
    int pan = 64;
    int reverb = 40;
    std::vector<SongNote> notes;
};

// A whole tune as note data, ready to be written as a Standard MIDI File.
struct Song {
    std::string title;
    int beatsPerMinute = 100;  // quarter notes
    int meterBeats = 4;
    int meterUnit = 4;
    int lengthTicks = 0;  // every track ends here
    std::vector<SongVoice> voices;
};

}  // namespace tallowen
