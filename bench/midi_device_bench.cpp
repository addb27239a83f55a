// How long the music window's calls on the MIDI device take on the window thread, while the
// device's own thread renders: each iteration is what choosing a track and one tick of the
// progress timer do. "longest_us" is the slowest single call seen, "p99.99_us" the time that all
// but one call in ten thousand stay under, and "idle_longest_us" the longest the thread was held
// up while doing nothing at all, the machine's own share of the longest call.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "sound/fluidsynth_device.h"

namespace {

using Clock = std::chrono::steady_clock;

std::vector<std::string> tunes() {
    std::vector<std::string> paths;
    for (const auto& entry : std::filesystem::directory_iterator(TALLOWEN_MUSIC_DIR))
        paths.push_back(entry.path().string());
    return paths;
}

void windowCalls(benchmark::State& state, tallowen::FluidSynthDevice::Output output) {
    tallowen::FluidSynthDevice device(output);
    device.start();
    const std::vector<std::string> paths = tunes();
    // Let the device's thread finish setting up and start rendering before measuring.
    device.open(paths.front());
    device.play();
    for (int i = 0; i < 500 && device.position() == 0; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));

    // Each call is timed on its own; so is an empty stretch right after it, which shows how long
    // the machine itself can hold a thread up (other programs, the scheduler).
    std::vector<double> calls;
    double emptyLongest = 0;
    const auto timed = [&](auto call) {
        const auto start = Clock::now();
        call();
        const auto end = Clock::now();
        calls.push_back(std::chrono::duration<double, std::micro>(end - start).count());
        emptyLongest = std::max(emptyLongest, std::chrono::duration<double, std::micro>(Clock::now() - end).count());
    };
    std::size_t next = 0;
    long seen = 0;
    for (auto _ : state) {
        const std::string& path = paths[next++ % paths.size()];
        timed([&] { device.close(); });
        timed([&] { device.open(path); });
        timed([&] { device.play(); });
        timed([&] { seen += device.length(); });
        timed([&] { seen += device.position(); });
        timed([&] { device.stop(); });
        benchmark::DoNotOptimize(seen);
    }
    std::sort(calls.begin(), calls.end());
    state.counters["longest_us"] = calls.back();
    state.counters["p99.99_us"] = calls[calls.size() * 9999 / 10000];
    state.counters["idle_longest_us"] = emptyLongest;
    state.SetLabel(device.soundProblem().empty() ? "with sound" : device.soundProblem());
}

void Speakers(benchmark::State& state) { windowCalls(state, tallowen::FluidSynthDevice::Output::Speakers); }
void Silent(benchmark::State& state) { windowCalls(state, tallowen::FluidSynthDevice::Output::Silent); }

}  // namespace

BENCHMARK(Speakers)->UseRealTime();
BENCHMARK(Silent)->UseRealTime();
BENCHMARK_MAIN();
