#include "sound/fluidsynth_device.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <vector>

#include "sound/soundfont_location.h"

namespace tallowen {

namespace {

constexpr int kBlockFrames = 512;

FluidAudioDriver openAudioOutput(fluid_settings_t* settings, fluid_audio_func_t callback, void* data) {
    // The drivers Debian builds that can call back into our renderer; PipeWire serves both.
    for (const char* driver : {"pulseaudio", "alsa"}) {
        fluid_settings_setstr(settings, "audio.driver", driver);
        if (fluid_audio_driver_t* opened = new_fluid_audio_driver2(settings, callback, data))
            return FluidAudioDriver(opened);
    }
    return {};
}

}  // namespace

FluidSynthDevice::FluidSynthDevice(Output output) : thread_([this, output] { setUp(output); }) {}

FluidSynthDevice::~FluidSynthDevice() {
    {
        std::lock_guard lock(mutex_);
        quit_ = true;
    }
    wake_.notify_all();
    thread_.join();
    driver_.reset();
    sequencer_.reset();
}

void FluidSynthDevice::open(const std::string& path) {
    std::lock_guard lock(mutex_);
    ++request_.generation;
    request_.path = path;
    request_.opened = true;
    request_.playing = false;
}

void FluidSynthDevice::play() {
    std::lock_guard lock(mutex_);
    request_.playing = request_.opened;
}

void FluidSynthDevice::stop() {
    std::lock_guard lock(mutex_);
    request_.playing = false;
}

void FluidSynthDevice::close() {
    std::lock_guard lock(mutex_);
    ++request_.generation;
    request_.path.clear();
    request_.opened = false;
    request_.playing = false;
}

long FluidSynthDevice::length() const {
    std::lock_guard lock(mutex_);
    return progress_.generation == request_.generation ? progress_.length : 0;
}

long FluidSynthDevice::position() const {
    std::lock_guard lock(mutex_);
    return progress_.generation == request_.generation ? progress_.position : 0;
}

std::string FluidSynthDevice::soundProblem() const {
    std::lock_guard lock(mutex_);
    return problem_;
}

void FluidSynthDevice::setUp(Output output) {
    std::string problem = "No sound: the music plays silently.";
    std::string soundFont;
    if (output == Output::Speakers) {
        soundFont = generalMidiSoundFont();
        problem = soundFont.empty() ? "No sound: no General MIDI SoundFont was found." : "";
    }
    sequencer_ = std::make_unique<FluidSequencer>(soundFont);
    if (problem.empty() && !sequencer_->hasSoundFont()) problem = "No sound: the SoundFont could not be read.";
    if (problem.empty()) {
        driver_ = openAudioOutput(sequencer_->settings(), &FluidSynthDevice::audioCallback, this);
        if (!driver_) problem = "No sound: no audio output could be opened.";
    }
    {
        std::lock_guard lock(mutex_);
        problem_ = problem;
    }
    if (!driver_) pace();
}

void FluidSynthDevice::pace() {
    using Clock = std::chrono::steady_clock;
    constexpr long long kRate = FluidSequencer::kSampleRate;
    std::array<float, kBlockFrames> left{}, right{};
    const auto start = Clock::now();
    long long rendered = 0;
    std::unique_lock lock(mutex_);
    while (!wake_.wait_for(lock, std::chrono::milliseconds(10), [this] { return quit_; })) {
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
    std::lock_guard lock(mutex_);
    progress_ = {appliedGeneration_, sequencer_->position(), sequencer_->length()};
}

void FluidSynthDevice::applyRequest() {
    Request wanted;
    {
        std::lock_guard lock(mutex_);
        if (request_.generation == appliedGeneration_ && request_.playing == appliedPlaying_) return;
        wanted = request_;
    }
    if (wanted.generation != appliedGeneration_) {
        if (wanted.opened)
            sequencer_->open(wanted.path);
        else
            sequencer_->close();
        appliedGeneration_ = wanted.generation;
        appliedPlaying_ = false;
    }
    if (wanted.playing != appliedPlaying_) {
        if (wanted.playing)
            sequencer_->play();
        else
            sequencer_->stop();
        appliedPlaying_ = wanted.playing;
    }
}

}  // namespace tallowen
