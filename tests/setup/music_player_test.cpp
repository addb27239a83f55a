#include "setup/music_player.h"

#include <gtest/gtest.h>

#include <set>

#include "../sound/scripted_device.h"
#include "../sound/short_tune.h"
#include "../temp_dir.h"
#include "engine/virtual_clock.h"
#include "setup/music_folder.h"

namespace tallowen {
namespace {

using Texts = std::vector<std::string>;

class MusicPlayerTest : public ::testing::Test {
protected:
    void SetUp() override { clock.attach(player.Timer1); }
    void touch(const std::string& name) { testing::writeFile(dir / name, ""); }

    testing::TempDir dir;
    testing::ScriptedDevice device;
    MusicPlayer player{device, dir.path()};
    VirtualClock clock;
};

TEST_F(MusicPlayerTest, TheListHasSilenceAndTheTracksFromTheProgramsFolderAndStartUpPlaysARandomTrack) {
    for (const char* name : {"B.mid", "apple.mid", "c.mid", "notes.txt", "d.MID"}) touch(name);
    std::filesystem::create_directory(dir / "folder.mid");
    std::set<int> chosen;
    for (std::uint64_t seed = 1; seed <= 40; ++seed) {
        RandomSource random(seed);
        player.load(random);
        chosen.insert(player.Combo1ListIndex);
    }
    EXPECT_EQ(player.Combo1, (Texts{"(Silence)", "apple", "B", "c"}));
    EXPECT_EQ(chosen, (std::set<int>{1, 2, 3}));
    EXPECT_TRUE(player.Command2Visible);
    EXPECT_TRUE(player.Timer1.enabled());
    const std::string& last = player.Combo1[static_cast<std::size_t>(player.Combo1ListIndex)];
    EXPECT_EQ(Texts(device.calls.end() - 3, device.calls.end()), (Texts{"close", "open " + last + ".mid", "play"}));

    // No folder: silence alone, and nothing is opened.
    MusicPlayer nowhere(device, dir / "missing");
    device.calls.clear();
    RandomSource random(1);
    nowhere.load(random);
    EXPECT_EQ(nowhere.Combo1, Texts{"(Silence)"});
    EXPECT_EQ(nowhere.Combo1ListIndex, 0);
    EXPECT_EQ(device.calls, (Texts{"stop", "close"}));
    EXPECT_FALSE(nowhere.Timer1.enabled());

    // The folder beside the program comes before the one in the installed tree.
    std::filesystem::create_directories(dir / "share" / "tallowen" / "Music");
    std::filesystem::create_directories(dir / "bin");
    EXPECT_EQ(musicFolder(dir / "bin"), dir / "share" / "tallowen" / "Music");
    std::filesystem::create_directories(dir / "bin" / "Music");
    EXPECT_EQ(musicFolder(dir / "bin"), dir / "bin" / "Music");
}

// One playing track on the window's timer: the knob, replays of a stalled track, the sound note.
TEST_F(MusicPlayerTest, TheKnobFollowsThePositionAndTwoSecondsWithoutProgressReplayTheTrack) {
    touch("a.mid");
    RandomSource random(1);
    player.load(random);
    player.Picture1Width = 200;
    device.length_ = 1000;
    device.position_ = 250;
    device.calls.clear();
    clock.advance(100);
    EXPECT_EQ(player.Command2Left, 4 + 50);
    EXPECT_EQ(player.Label1, "");

    // The first problem the device reports is noted, and only that one.
    device.problem = "No sound: no audio output could be opened.";
    clock.advance(100);
    EXPECT_EQ(player.Label1, device.problem);
    device.problem = "something else";

    // Twenty ticks at the same place replay the track.
    clock.advance(1800);
    EXPECT_TRUE(device.calls.empty());
    clock.advance(100);
    EXPECT_EQ(device.calls, (Texts{"close", "open a.mid", "play"}));
    EXPECT_EQ(player.Label1, "No sound: no audio output could be opened.");
    // Still no progress: once a tick from now on, and never more than once.
    clock.advance(200);
    EXPECT_EQ(device.calls.size(), 9u);
    device.position_ = 0;  // the replay has begun
    clock.advance(1900);
    EXPECT_EQ(device.calls.size(), 9u);

    // A file that cannot be opened has no length: it is tried again in the same way.
    device.length_ = 0;
    device.calls.clear();
    clock.advance(200);
    EXPECT_EQ(device.calls.size(), 3u);
}

}  // namespace
}  // namespace tallowen
