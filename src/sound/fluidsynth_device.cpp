#include "sound/fluidsynth_device.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <optional>
#include <utility>

#include "sound/soundfont_location.h"

namespace tallowen {

namespace {

constexpr int kBlockFrames = 512;

FluidAudioDriver openAudioOutput(const FluidLibrary& fluid, fluid_settings_t* settings, fluid_audio_func_t callback,
                                 void* data) {
    // The drivers Debian builds that can call back into our renderer; PipeWire serves both.
    for (const char* driver : {"pulseaudio", "alsa"}) {
        fluid.fluid_settings_setstr(settings, "audio.driver", driver);
        if (fluid_audio_driver_t* opened = fluid.new_fluid_audio_driver2(settings, callback, data))
            return FluidAudioDriver(opened, {fluid.delete_fluid_audio_driver});
    }
    return {};
}

constexpr int kGenerationShift = 48;
constexpr std::uint64_t kValueMask = (std::uint64_t{1} << kGenerationShift) - 1;

std::uint64_t stamped(std::uint64_t generation, long value) {
    return generation << kGenerationShift | (static_cast<std::uint64_t>(value) & kValueMask);
}

}  // namespace

FluidSynthDevice::FluidSynthDevice(Output output, std::string library)
    : output_(output), library_(std::move(library)) {}

FluidSynthDevice::~FluidSynthDevice() {
    {
        std::lock_guard lock(quitMutex_);
        quit_ = true;
    }
    quitSignal_.notify_all();
    if (thread_.joinable()) thread_.join();
    driver_.reset();
    sequencer_.reset();
    delete mailbox_.exchange(nullptr);
}

void FluidSynthDevice::start() {
    if (!thread_.joinable()) thread_ = std::thread([this] { setUp(); });
}

void FluidSynthDevice::open(const std::string& path) {
    ++wanted_.generation;
    wanted_.path = path;
    wanted_.opened = true;
    wanted_.playing = false;
    post();
}

void FluidSynthDevice::play() {
    wanted_.playing = wanted_.opened;
    post();
}

void FluidSynthDevice::stop() {
    wanted_.playing = false;
    post();
}

void FluidSynthDevice::close() {
    ++wanted_.generation;
    wanted_.path.clear();
    wanted_.opened = false;
    wanted_.playing = false;
    post();
}

void FluidSynthDevice::post() {
    // A request the sound side has not taken yet is simply replaced: only the latest state counts.
    delete mailbox_.exchange(new Request(wanted_), std::memory_order_acq_rel);
}

long FluidSynthDevice::published(const std::atomic<std::uint64_t>& value) const {
    const std::uint64_t v = value.load(std::memory_order_acquire);
    const bool current = (v & ~kValueMask) == stamped(wanted_.generation, 0);
    return current ? static_cast<long>(v & kValueMask) : 0;
}

long FluidSynthDevice::length() const { return published(length_); }

long FluidSynthDevice::position() const { return published(position_); }

std::string FluidSynthDevice::soundProblem() const {
    const char* problem = problem_.load(std::memory_order_acquire);
    return problem ? problem : "";
}

void FluidSynthDevice::setUp() {
    const char* problem = nullptr;
    const std::optional<FluidLibrary> fluid = loadFluidLibrary(problem, library_.c_str());
    if (!fluid) {
        // Nothing can play: the window's tracks stay at length 0, and the game goes on silently.
        problem_.store(problem, std::memory_order_release);
        return;
    }
    problem = "No sound: the music plays silently.";
    std::string soundFont;
    if (output_ == Output::Speakers) {
        soundFont = generalMidiSoundFont(*fluid);
        problem = soundFont.empty() ? "No sound: no General MIDI SoundFont found." : nullptr;
    }
    sequencer_ = std::make_unique<FluidSequencer>(*fluid, soundFont);
    if (!problem && !sequencer_->hasSoundFont()) problem = "No sound: the SoundFont could not be read.";
    if (!problem) {
        driver_ = openAudioOutput(*fluid, sequencer_->settings(), &FluidSynthDevice::audioCallback, this);
        if (!driver_) problem = "No sound: no audio output could be opened.";
    }
    problem_.store(problem, std::memory_order_release);
    if (!driver_) pace();
}

void FluidSynthDevice::pace() {
    using Clock = std::chrono::steady_clock;
    constexpr long long kRate = FluidSequencer::kSampleRate;
    std::array<float, kBlockFrames> left{}, right{};
    const auto start = Clock::now();
    long long rendered = 0;
    std::unique_lock lock(quitMutex_);
    while (!quitSignal_.wait_for(lock, std::chrono::milliseconds(10), [this] { return quit_; })) {
        lock.unlock();
        const long long target =
            std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start).count() * kRate / 1'000'000;
        // After the machine slept, the music goes on from where it was instead of racing ahead.
        rendered = std::max(rendered, target - kRate / 2);
        while (rendered < target) {
            const int frames = static_cast<int>(std::min<long long>(kBlockFrames, target - rendered));
            renderBlock(left.data(), right.data(), frames);
            rendered += frames;
        }
        lock.lock();
    }
}

int FluidSynthDevice::audioCallback(void* self, int frames, int nfx, float* fx[], int nout, float* out[]) {
    for (int i = 0; i < nfx; ++i) std::fill_n(fx[i], frames, 0.0f);
    for (int i = nout >= 2 ? 2 : 0; i < nout; ++i) std::fill_n(out[i], frames, 0.0f);
    if (nout >= 2) static_cast<FluidSynthDevice*>(self)->renderBlock(out[0], out[1], frames);
    return FLUID_OK;
}

void FluidSynthDevice::renderBlock(float* left, float* right, int frames) {
    applyRequest();
    sequencer_->render(left, right, frames);
    position_.store(stamped(appliedGeneration_, sequencer_->position()), std::memory_order_release);
    length_.store(stamped(appliedGeneration_, sequencer_->length()), std::memory_order_release);
}

void FluidSynthDevice::applyRequest() {
    const std::unique_ptr<Request> wanted(mailbox_.exchange(nullptr, std::memory_order_acq_rel));
    if (!wanted) return;
    if (wanted->generation != appliedGeneration_) {
        if (wanted->opened)
            sequencer_->open(wanted->path);
        else
            sequencer_->close();
        appliedGeneration_ = wanted->generation;
        appliedPlaying_ = false;
    }
    if (wanted->playing != appliedPlaying_) {
        if (wanted->playing)
            sequencer_->play();
        else
            sequencer_->stop();
        appliedPlaying_ = wanted->playing;
    }
}

}  // namespace tallowen
