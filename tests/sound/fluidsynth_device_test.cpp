#include "sound/fluidsynth_device.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>

#include "../temp_dir.h"
#include "short_tune.h"

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
    EXPECT_TRUE(eventually([&] { return !device.soundProblem().empty(); }));

    device.open((dir / "t.mid").string());
    device.play();
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

}  // namespace
}  // namespace tallowen
