#pragma once

#include <string>

#include "sound/fluid_library.h"

namespace tallowen {

// The General MIDI SoundFont to play with: FluidSynth's own default when it exists, otherwise the
// first of the distribution's usual files that does; empty when there is none.
std::string generalMidiSoundFont(const FluidLibrary& fluid);

}  // namespace tallowen
