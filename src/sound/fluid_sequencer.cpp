#include "sound/fluid_sequencer.h"

#include <algorithm>
#include <array>
#include <utility>

namespace tallowen {

namespace {

// FluidSynth reports every unreadable file and failed driver on stderr; the music window retries
// a bad file ten times a second, so the library stays quiet and the window says what matters.
void silenceFluidSynthLog(const FluidLibrary& fluid) {
    for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level) fluid.fluid_set_log_function(level, nullptr, nullptr);
}

// Controllers as FluidSynth sets them when it starts a channel, where "reset all controllers"
// leaves them as they were: bank, volume, balance, pan, reverb and chorus.
constexpr std::array<std::pair<int, int>, 7> kChannelStart = {
    {{0, 0}, {32, 0}, {7, 100}, {8, 64}, {10, 64}, {91, 0}, {93, 0}}};
constexpr int kResetAllControllers = 121;
constexpr int kNoteOn = 0x90;

}  // namespace

FluidSequencer::FluidSequencer(const FluidLibrary& fluid, const std::string& soundFont)
    : fluid_(fluid), settings_(fluid.new_fluid_settings(), {fluid.delete_fluid_settings}) {
    silenceFluidSynthLog(fluid);
    fluid_settings_t* s = settings_.get();
    fluid.fluid_settings_setint(s, "synth.lock-memory", 0);
    fluid.fluid_settings_setnum(s, "synth.sample-rate", kSampleRate);
    fluid.fluid_settings_setint(s, "audio.period-size", 512);
    // The tunes sound a few dozen voices at once at most; FluidSynth's 256 would take 2 MB.
    fluid.fluid_settings_setint(s, "synth.polyphony", 64);
    if (soundFont.empty()) {
        // Nothing can sound: effects would only cost time.
        fluid.fluid_settings_setint(s, "synth.reverb.active", 0);
        fluid.fluid_settings_setint(s, "synth.chorus.active", 0);
    } else {
        // FluidSynth's default leaves the tunes very quiet; this peaks them near a quarter of full
        // scale, with room for files louder than ours.
        fluid.fluid_settings_setnum(s, "synth.gain", 0.5);
        // A large SoundFont (FluidR3_GM holds 148 MB) keeps only the samples of the instruments
        // that channels have chosen in memory.
        fluid.fluid_settings_setint(s, "synth.dynamic-sample-loading", 1);
    }
    // FluidSynth's reset before a file gives all sixteen channels an instrument at once; open()
    // resets them itself.
    fluid.fluid_settings_setint(s, "player.reset-synth", 0);
    synth_ = FluidSynth(fluid.new_fluid_synth(s), {fluid.delete_fluid_synth});
    if (!soundFont.empty())
        hasSoundFont_ = fluid.fluid_synth_sfload(synth_.get(), soundFont.c_str(), 0) != FLUID_FAILED;
}

FluidSequencer::~FluidSequencer() { close(); }

void FluidSequencer::open(const std::string& path) {
    close();
    resetChannels();
    player_ = FluidPlayer(fluid_.new_fluid_player(synth_.get()), {fluid_.delete_fluid_player});
    if (!player_) return;
    fluid_.fluid_player_set_playback_callback(player_.get(), &FluidSequencer::onEvent, this);
    fluid_.fluid_player_add(player_.get(), path.c_str());
}

// As FluidSynth resets a channel, but without choosing an instrument: the piano on every channel
// and the drum kit would stay in memory beside the instruments the file chooses.
void FluidSequencer::resetChannels() {
    fluid_synth_t* synth = synth_.get();
    for (int channel = 0; channel < fluid_.fluid_synth_count_midi_channels(synth); ++channel) {
        fluid_.fluid_synth_unset_program(synth, channel);
        fluid_.fluid_synth_cc(synth, channel, kResetAllControllers, 0);
        for (const auto& [controller, value] : kChannelStart) fluid_.fluid_synth_cc(synth, channel, controller, value);
        fluid_.fluid_synth_pitch_wheel_sens(synth, channel, 2);
    }
}

// A channel that plays before its file chooses an instrument gets General MIDI's first one, the
// piano (the standard drum kit on the drum channel).
int FluidSequencer::onEvent(void* self, fluid_midi_event_t* event) {
    const auto& sequencer = *static_cast<FluidSequencer*>(self);
    const FluidLibrary& fluid = sequencer.fluid_;
    fluid_synth_t* synth = sequencer.synth_.get();
    const int channel = fluid.fluid_midi_event_get_channel(event);
    if (fluid.fluid_midi_event_get_type(event) == kNoteOn && fluid.fluid_midi_event_get_velocity(event) > 0 &&
        !fluid.fluid_synth_get_channel_preset(synth, channel))
        fluid.fluid_synth_program_change(synth, channel, 0);
    return fluid.fluid_synth_handle_midi_event(synth, event);
}

void FluidSequencer::play() {
    if (player_) fluid_.fluid_player_play(player_.get());
}

void FluidSequencer::stop() {
    if (!player_) return;
    fluid_.fluid_player_stop(player_.get());
    fluid_.fluid_synth_all_notes_off(synth_.get(), -1);
}

void FluidSequencer::close() {
    if (!player_) return;
    fluid_.fluid_player_stop(player_.get());
    player_.reset();
    fluid_.fluid_synth_all_sounds_off(synth_.get(), -1);
}

long FluidSequencer::length() const { return player_ ? fluid_.fluid_player_get_total_ticks(player_.get()) : 0; }

long FluidSequencer::position() const {
    // The tick runs on past the end while the last notes fade.
    return player_ ? std::clamp<long>(fluid_.fluid_player_get_current_tick(player_.get()), 0, length()) : 0;
}

void FluidSequencer::render(float* left, float* right, int frames) {
    fluid_.fluid_synth_write_float(synth_.get(), frames, left, 0, 1, right, 0, 1);
}

void FluidSequencer::advance(int frames) {
    scratch_.resize(static_cast<std::size_t>(frames));
    render(scratch_.data(), scratch_.data(), frames);
}

}  // namespace tallowen
