#include "sound/fluidsynth_device.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <thread>
#include <utility>

#include "../temp_dir.h"
#include "short_tune.h"
#include "sound/soundfont_location.h"

namespace tallowen {
namespace {

// The device works on threads of its own: wait, within reason, for what it is expected to show.
bool eventually(const std::function<bool()>& condition) {
    for (int i = 0; i < 500; ++i) {
        if (condition()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return condition();
}

TEST(FluidSynthDevice, SilentOutputKeepsTheMusicsTimeAndSaysThatNothingSounds) {
    testing::TempDir dir;
    testing::writeShortTune(dir / "t.mid", 8);
    testing::writeFile(dir / "bad.mid", "MThd and nothing else");
    FluidSynthDevice device(FluidSynthDevice::Output::Silent);
    // What the window asks before the sound side starts waits for it.
    device.open((dir / "t.mid").string());
    device.play();
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_EQ(device.soundProblem(), "");
    EXPECT_EQ(device.position(), 0);
    device.start();
    EXPECT_TRUE(eventually([&] { return !device.soundProblem().empty(); }));
    EXPECT_TRUE(eventually([&] { return device.position() > 0; }));
    EXPECT_EQ(device.length(), 8 * kTicksPerQuarter);
    const long first = device.position();
    EXPECT_TRUE(eventually([&] { return device.position() > first; }));

    // A new file is at its start the moment it is opened: nothing of the old one shows through.
    device.close();
    device.open((dir / "bad.mid").string());
    EXPECT_EQ(device.position(), 0);
    EXPECT_EQ(device.length(), 0);
    device.play();
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_EQ(device.length(), 0);

    device.open((dir / "t.mid").string());
    device.play();
    EXPECT_TRUE(eventually([&] { return device.position() > 0; }));
}  // and it shuts down while playing

// Without FluidSynth, or with a library that is not FluidSynth, the device says why nothing
// sounds and takes the window's calls as before.
TEST(FluidSynthDevice, WithoutFluidSynthSaysWhyNothingSoundsAndTakesEveryCall) {
    testing::TempDir dir;
    testing::writeShortTune(dir / "t.mid", 8);
    for (const auto& [library, problem] :
         {std::pair{"libfluidsynth-missing.so.3", "No sound: FluidSynth could not be loaded."},
          std::pair{"libc.so.6", "No sound: FluidSynth is incomplete."}}) {
        FluidSynthDevice device(FluidSynthDevice::Output::Speakers, library);
        device.open((dir / "t.mid").string());
        device.play();
        device.start();
        EXPECT_TRUE(eventually([&] { return device.soundProblem() == problem; })) << device.soundProblem();
        device.stop();
        device.close();
        device.open((dir / "t.mid").string());
        device.play();
        EXPECT_EQ(device.position(), 0);
    }
}

// Where no audio output opens (no sound server, no sound card), the device says so and the
// libraries it tried say nothing on stderr.
TEST(FluidSynthDevice, LeavesStderrQuietWhereNoAudioOutputOpens) {
    const char* missing = nullptr;
    const std::optional<FluidLibrary> fluid = loadFluidLibrary(missing);
    ASSERT_TRUE(fluid) << missing;
    if (generalMidiSoundFont(*fluid).empty()) GTEST_SKIP() << "no General MIDI SoundFont: no audio output is tried";
    testing::TempDir dir;
    const std::string captured = (dir / "stderr").string();
    std::fflush(stderr);
    const int kept = dup(STDERR_FILENO);
    const int file = open(captured.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    ASSERT_GE(file, 0);
    dup2(file, STDERR_FILENO);
    close(file);
    std::string problem;
    {
        FluidSynthDevice device(FluidSynthDevice::Output::Speakers);
        device.start();
        eventually([&] { return !(problem = device.soundProblem()).empty(); });
    }
    std::fflush(stderr);
    dup2(kept, STDERR_FILENO);
    close(kept);
    if (problem.empty()) GTEST_SKIP() << "this machine has an audio output";
    EXPECT_EQ(problem, "No sound: no audio output could be opened.");
    std::ifstream written(captured);
    const std::string text((std::istreambuf_iterator<char>(written)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text, "");
}

}  // namespace
}  // namespace tallowen
