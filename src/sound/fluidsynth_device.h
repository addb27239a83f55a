#pragma once

#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "sound/fluid_handles.h"
#include "sound/fluid_sequencer.h"
#include "sound/midi_device.h"

namespace tallowen {

// The music device of the game. The window's calls only record what it wants and read the last
// position the sound side published, so none of them waits for FluidSynth. A thread of its own
// loads the SoundFont and opens the audio output; from then on FluidSynth's audio thread applies
// the window's requests between blocks and renders. Without a SoundFont or an audio output the
// same thread renders into nothing at the pace of the clock: silent, but with true lengths and
// positions, so the player behaves exactly as with sound.
class FluidSynthDevice final : public MidiDevice {
public:
    enum class Output { Speakers, Silent };

    explicit FluidSynthDevice(Output output = Output::Speakers);
    ~FluidSynthDevice() override;
    FluidSynthDevice(const FluidSynthDevice&) = delete;
    FluidSynthDevice& operator=(const FluidSynthDevice&) = delete;

    void open(const std::string& path) override;
    void play() override;
    void stop() override;
    void close() override;
    long length() const override;
    long position() const override;
    std::string soundProblem() const override;

private:
    // What the window asked for; each open or close starts a new generation.
    struct Request {
        std::uint64_t generation = 0;
        std::string path;
        bool opened = false;
        bool playing = false;
    };
    // What the sound side last saw, for the generation it had applied.
    struct Progress {
        std::uint64_t generation = 0;
        long position = 0;
        long length = 0;
    };

    void setUp(Output output);
    void pace();
    void renderBlock(float* left, float* right, int frames);
    void applyRequest();
    static int audioCallback(void* self, int frames, int nfx, float* fx[], int nout, float* out[]);

    mutable std::mutex mutex_;  // guards request_, progress_, problem_ and quit_, held only to copy them
    std::condition_variable wake_;
    Request request_;
    Progress progress_;
    std::string problem_;
    bool quit_ = false;

    // Used by one thread at a time: the set-up thread, then the audio or pacing thread.
    std::unique_ptr<FluidSequencer> sequencer_;
    std::uint64_t appliedGeneration_ = 0;
    bool appliedPlaying_ = false;
    FluidAudioDriver driver_;  // declared after the sequencer: it stops first
    std::thread thread_;
};

}  // namespace tallowen
