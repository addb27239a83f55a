#include "sound/fluid_library.h"

#include <alsa/asoundlib.h>
#include <dlfcn.h>

namespace tallowen {

namespace {

template <typename Function>
bool take(void* library, Function& function, const char* name) {
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

bool takeAll(void* library, FluidLibrary& f) {
#define TALLOWEN_TAKE(name) take(library, f.name, #name)
    return TALLOWEN_TAKE(fluid_free) && TALLOWEN_TAKE(fluid_set_log_function) && TALLOWEN_TAKE(new_fluid_settings) &&
           TALLOWEN_TAKE(delete_fluid_settings) && TALLOWEN_TAKE(fluid_settings_dupstr) &&
           TALLOWEN_TAKE(fluid_settings_setint) && TALLOWEN_TAKE(fluid_settings_setnum) &&
           TALLOWEN_TAKE(fluid_settings_setstr) && TALLOWEN_TAKE(new_fluid_synth) && TALLOWEN_TAKE(delete_fluid_synth) &&
           TALLOWEN_TAKE(fluid_synth_sfload) && TALLOWEN_TAKE(fluid_synth_count_midi_channels) &&
           TALLOWEN_TAKE(fluid_synth_unset_program) && TALLOWEN_TAKE(fluid_synth_program_change) &&
           TALLOWEN_TAKE(fluid_synth_get_channel_preset) && TALLOWEN_TAKE(fluid_synth_cc) &&
           TALLOWEN_TAKE(fluid_synth_pitch_wheel_sens) && TALLOWEN_TAKE(fluid_synth_handle_midi_event) &&
           TALLOWEN_TAKE(fluid_synth_all_notes_off) && TALLOWEN_TAKE(fluid_synth_all_sounds_off) &&
           TALLOWEN_TAKE(fluid_synth_write_float) && TALLOWEN_TAKE(fluid_midi_event_get_channel) &&
           TALLOWEN_TAKE(fluid_midi_event_get_type) && TALLOWEN_TAKE(fluid_midi_event_get_velocity) &&
           TALLOWEN_TAKE(new_fluid_player) && TALLOWEN_TAKE(delete_fluid_player) &&
           TALLOWEN_TAKE(fluid_player_set_playback_callback) && TALLOWEN_TAKE(fluid_player_add) &&
           TALLOWEN_TAKE(fluid_player_play) && TALLOWEN_TAKE(fluid_player_stop) &&
           TALLOWEN_TAKE(fluid_player_get_total_ticks) && TALLOWEN_TAKE(fluid_player_get_current_tick) &&
           TALLOWEN_TAKE(new_fluid_audio_driver2) && TALLOWEN_TAKE(delete_fluid_audio_driver);
#undef TALLOWEN_TAKE
}

// The ALSA library, which FluidSynth brings along, writes every failure on stderr itself: on a
// machine without a sound card, a few lines at each start. The music window already tells that
// nothing sounds.
void quietAlsa(const char*, int, const char*, int, const char*, ...) {}

void silenceAlsa() {
    void* alsa = dlopen("libasound.so.2", RTLD_LAZY | RTLD_NOLOAD);
    if (!alsa) return;
    decltype(&snd_lib_error_set_handler) setHandler = nullptr;
    if (take(alsa, setHandler, "snd_lib_error_set_handler")) setHandler(&quietAlsa);
    dlclose(alsa);  // only the reference taken here: FluidSynth keeps the library loaded
}

}  // namespace

std::optional<FluidLibrary> loadFluidLibrary(const char*& problem, const char* fileName) {
    void* library = dlopen(fileName, RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        problem = "No sound: FluidSynth could not be loaded.";
        return std::nullopt;
    }
    FluidLibrary functions{};
    if (!takeAll(library, functions)) {
        dlclose(library);
        problem = "No sound: FluidSynth is incomplete.";
        return std::nullopt;
    }
    silenceAlsa();
    return functions;
}

}  // namespace tallowen
