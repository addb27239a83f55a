#include "sound/fluid_sequencer.h"

#include <algorithm>

namespace tallowen {

namespace {

// FluidSynth reports every unreadable file and failed driver on stderr; the music window retries
// a bad file ten times a second, so the library stays quiet and the window says what matters.
void silenceFluidSynthLog() {
    for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level) fluid_set_log_function(level, nullptr, nullptr);
}

}  // namespace

FluidSequencer::FluidSequencer(const std::string& soundFont) : settings_(new_fluid_settings()) {
    silenceFluidSynthLog();
    fluid_settings_t* s = settings_.get();
    fluid_settings_setint(s, "synth.lock-memory", 0);
    fluid_settings_setnum(s, "synth.sample-rate", kSampleRate);
    fluid_settings_setint(s, "audio.period-size", 512);
    if (soundFont.empty()) {
        // Nothing can sound: effects would only cost time.
        fluid_settings_setint(s, "synth.reverb.active", 0);
        fluid_settings_setint(s, "synth.chorus.active", 0);
    } else {
        // FluidSynth's default leaves the tunes very quiet; this peaks them near a quarter of full
        // scale, with room for files louder than ours.
        fluid_settings_setnum(s, "synth.gain", 0.5);
    }
    synth_.reset(new_fluid_synth(s));
    if (!soundFont.empty()) hasSoundFont_ = fluid_synth_sfload(synth_.get(), soundFont.c_str(), 1) != FLUID_FAILED;
}

FluidSequencer::~FluidSequencer() { close(); }

void FluidSequencer::open(const std::string& path) {
    close();
    player_.reset(new_fluid_player(synth_.get()));
    if (player_) fluid_player_add(player_.get(), path.c_str());
}

void FluidSequencer::play() {
    if (player_) fluid_player_play(player_.get());
}

void FluidSequencer::stop() {
    if (!player_) return;
    fluid_player_stop(player_.get());
    fluid_synth_all_notes_off(synth_.get(), -1);
}

void FluidSequencer::close() {
    if (!player_) return;
    fluid_player_stop(player_.get());
    player_.reset();
    fluid_synth_all_sounds_off(synth_.get(), -1);
}

long FluidSequencer::length() const { return player_ ? fluid_player_get_total_ticks(player_.get()) : 0; }

long FluidSequencer::position() const {
    // The tick runs on past the end while the last notes fade.
    return player_ ? std::clamp<long>(fluid_player_get_current_tick(player_.get()), 0, length()) : 0;
}

void FluidSequencer::render(float* left, float* right, int frames) {
    fluid_synth_write_float(synth_.get(), frames, left, 0, 1, right, 0, 1);
}

void FluidSequencer::advance(int frames) {
    scratch_.resize(static_cast<std::size_t>(frames));
    render(scratch_.data(), scratch_.data(), frames);
}

}  // namespace tallowen
