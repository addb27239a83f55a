#pragma once

#include <fluidsynth.h>

#include <optional>

namespace tallowen {

// The FluidSynth functions the program calls, taken from the library when sound first starts:
// loading FluidSynth and the many libraries it needs (audio servers, codecs, glib) would
// otherwise delay every start of the program. FluidSynth's header still gives the types.
struct FluidLibrary {
    decltype(&::fluid_free) fluid_free;
    decltype(&::fluid_set_log_function) fluid_set_log_function;

    decltype(&::new_fluid_settings) new_fluid_settings;
    decltype(&::delete_fluid_settings) delete_fluid_settings;
    decltype(&::fluid_settings_dupstr) fluid_settings_dupstr;
    decltype(&::fluid_settings_setint) fluid_settings_setint;
    decltype(&::fluid_settings_setnum) fluid_settings_setnum;
    decltype(&::fluid_settings_setstr) fluid_settings_setstr;

    decltype(&::new_fluid_synth) new_fluid_synth;
    decltype(&::delete_fluid_synth) delete_fluid_synth;
    decltype(&::fluid_synth_sfload) fluid_synth_sfload;
    decltype(&::fluid_synth_count_midi_channels) fluid_synth_count_midi_channels;
    decltype(&::fluid_synth_unset_program) fluid_synth_unset_program;
    decltype(&::fluid_synth_program_change) fluid_synth_program_change;
    decltype(&::fluid_synth_get_channel_preset) fluid_synth_get_channel_preset;
    decltype(&::fluid_synth_cc) fluid_synth_cc;
    decltype(&::fluid_synth_pitch_wheel_sens) fluid_synth_pitch_wheel_sens;
    decltype(&::fluid_synth_handle_midi_event) fluid_synth_handle_midi_event;
    decltype(&::fluid_synth_all_notes_off) fluid_synth_all_notes_off;
    decltype(&::fluid_synth_all_sounds_off) fluid_synth_all_sounds_off;
    decltype(&::fluid_synth_write_float) fluid_synth_write_float;

    decltype(&::fluid_midi_event_get_channel) fluid_midi_event_get_channel;
    decltype(&::fluid_midi_event_get_type) fluid_midi_event_get_type;
    decltype(&::fluid_midi_event_get_velocity) fluid_midi_event_get_velocity;

    decltype(&::new_fluid_player) new_fluid_player;
    decltype(&::delete_fluid_player) delete_fluid_player;
    decltype(&::fluid_player_set_playback_callback) fluid_player_set_playback_callback;
    decltype(&::fluid_player_add) fluid_player_add;
    decltype(&::fluid_player_play) fluid_player_play;
    decltype(&::fluid_player_stop) fluid_player_stop;
    decltype(&::fluid_player_get_total_ticks) fluid_player_get_total_ticks;
    decltype(&::fluid_player_get_current_tick) fluid_player_get_current_tick;

    decltype(&::new_fluid_audio_driver2) new_fluid_audio_driver2;
    decltype(&::delete_fluid_audio_driver) delete_fluid_audio_driver;
};

inline constexpr const char* kFluidSynthLibrary = "libfluidsynth.so.3";

// Loads the FluidSynth library `fileName` and takes its functions, or gives `problem` the music
// window's "No sound: …" text and nothing when the library or one of them is missing. The library
// stays loaded: the objects and threads it makes may live as long as the program.
std::optional<FluidLibrary> loadFluidLibrary(const char*& problem, const char* fileName = kFluidSynthLibrary);

}  // namespace tallowen
