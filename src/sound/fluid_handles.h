#pragma once

#include <fluidsynth.h>

#include <memory>

namespace tallowen {

// Owning pointers to FluidSynth objects. Members that hold them must be declared so that they are
// destroyed in FluidSynth's order: audio driver, player, synth, settings.
template <typename T, void (*Delete)(T*)>
struct FluidDeleter {
    void operator()(T* p) const { Delete(p); }
};

using FluidSettings = std::unique_ptr<fluid_settings_t, FluidDeleter<fluid_settings_t, delete_fluid_settings>>;
using FluidSynth = std::unique_ptr<fluid_synth_t, FluidDeleter<fluid_synth_t, delete_fluid_synth>>;
using FluidPlayer = std::unique_ptr<fluid_player_t, FluidDeleter<fluid_player_t, delete_fluid_player>>;
using FluidAudioDriver =
    std::unique_ptr<fluid_audio_driver_t, FluidDeleter<fluid_audio_driver_t, delete_fluid_audio_driver>>;

}  // namespace tallowen
