#pragma once

#include <fluidsynth.h>

#include <memory>

namespace tallowen {

// Owning pointers to FluidSynth objects, each with the library's function that deletes it.
// Members that hold them must be declared so that they are destroyed in FluidSynth's order: audio
// driver, player, synth, settings.
template <typename T>
struct FluidDeleter {
    void (*destroy)(T*) = nullptr;
    void operator()(T* p) const { destroy(p); }
};

using FluidSettings = std::unique_ptr<fluid_settings_t, FluidDeleter<fluid_settings_t>>;
using FluidSynth = std::unique_ptr<fluid_synth_t, FluidDeleter<fluid_synth_t>>;
using FluidPlayer = std::unique_ptr<fluid_player_t, FluidDeleter<fluid_player_t>>;
using FluidAudioDriver = std::unique_ptr<fluid_audio_driver_t, FluidDeleter<fluid_audio_driver_t>>;

}  // namespace tallowen
