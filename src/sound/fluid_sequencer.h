#pragma once

#include <string>
#include <vector>

#include "sound/fluid_handles.h"
#include "sound/fluid_library.h"
#include "sound/midi_device.h"

namespace tallowen {

// FluidSynth's MIDI player and synthesizer. Nothing moves by itself: time passes only as audio is
// rendered, so an audio callback, a pacing thread or a test decides how fast the music goes. Not
// thread-safe; every call, rendering included, must come from one thread at a time.
class FluidSequencer final : public MidiDevice {
public:
    static constexpr int kSampleRate = 44100;

    // Without a SoundFont nothing sounds, but files play with their true length and timing.
    explicit FluidSequencer(const FluidLibrary& fluid, const std::string& soundFont = {});
    ~FluidSequencer() override;
    FluidSequencer(const FluidSequencer&) = delete;
    FluidSequencer& operator=(const FluidSequencer&) = delete;

    // True when the SoundFont given to the constructor was loaded.
    bool hasSoundFont() const { return hasSoundFont_; }
    fluid_settings_t* settings() const { return settings_.get(); }

    // Opening only names the file; it is read when playing starts, and a file FluidSynth cannot
    // read leaves the player done with a length of 0.
    void open(const std::string& path) override;
    void play() override;
    void stop() override;
    // Closing cuts every note at once; only the reverb's short echo fades.
    void close() override;
    long length() const override;
    long position() const override;
    std::string soundProblem() const override { return {}; }

    // Renders `frames` stereo samples, advancing the music by that much time.
    void render(float* left, float* right, int frames);
    // Renders into a scratch buffer, for callers that only need the time to pass.
    void advance(int frames);

private:
    void resetChannels();
    static int onEvent(void* self, fluid_midi_event_t* event);

    const FluidLibrary fluid_;
    FluidSettings settings_;
    FluidSynth synth_;
    FluidPlayer player_;
    bool hasSoundFont_ = false;
    std::vector<float> scratch_;
};

}  // namespace tallowen
