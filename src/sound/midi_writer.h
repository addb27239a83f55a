#pragma once

#include <string>

#include "sound/song.h"

namespace tallowen {

// The bytes of a Standard MIDI File of format 1: a first track with the title, meter and tempo,
// then one track per voice with its name, instrument, volume, pan and reverb and its notes.
std::string standardMidiFile(const Song& song);

}  // namespace tallowen
