#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "sound/fluid_handles.h"
#include "sound/fluid_library.h"
#include "sound/fluid_sequencer.h"
#include "sound/midi_device.h"

namespace tallowen {

// The music device of the game. The window's calls never wait for the sound side: each posts the
// whole state the window wants into a one-slot mailbox, and reads back what the sound side last
// published, all through single atomic operations. Once started, a thread of its own loads
// FluidSynth and the SoundFont and opens the audio output; from then on FluidSynth's audio thread
// takes the latest request between blocks and renders. Without a SoundFont or an audio output the
// same thread renders into nothing at the pace of the clock: silent, with true lengths and
// positions, so the player behaves as with sound. Without FluidSynth nothing plays.
class FluidSynthDevice final : public MidiDevice {
public:
    enum class Output { Speakers, Silent };

    // `library` is the FluidSynth library the sound side loads.
    explicit FluidSynthDevice(Output output = Output::Speakers, std::string library = kFluidSynthLibrary);
    ~FluidSynthDevice() override;
    // Starts the sound side; until then requests wait and length and position stay 0. Loading a
    // large SoundFont keeps a core busy for a while, which the program's first window should not
    // have to share.
    void start();
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
    // What the window wants; each open or close starts a new generation.
    struct Request {
        std::uint64_t generation = 0;
        std::string path;
        bool opened = false;
        bool playing = false;
    };

    void post();
    long published(const std::atomic<std::uint64_t>& value) const;
    void setUp();
    void pace();
    void renderBlock(float* left, float* right, int frames);
    void applyRequest();
    static int audioCallback(void* self, int frames, int nfx, float* fx[], int nout, float* out[]);

    // The window thread's side.
    Request wanted_;

    // Between the threads. A published value carries the low bits of the generation it belongs
    // to in its top 16 bits, so that nothing of an older file shows once a new one is asked for.
    std::atomic<Request*> mailbox_{nullptr};
    std::atomic<std::uint64_t> position_{0};
    std::atomic<std::uint64_t> length_{0};
    std::atomic<const char*> problem_{nullptr};
    std::mutex quitMutex_;
    std::condition_variable quitSignal_;
    bool quit_ = false;  // guarded by quitMutex_

    const Output output_;
    const std::string library_;
    // Used by one thread at a time: the set-up thread, then the audio or pacing thread.
    std::unique_ptr<FluidSequencer> sequencer_;
    std::uint64_t appliedGeneration_ = 0;
    bool appliedPlaying_ = false;
    FluidAudioDriver driver_;  // declared after the sequencer: it stops first
    std::thread thread_;
};

}  // namespace tallowen
