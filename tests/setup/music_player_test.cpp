#include "setup/music_player.h"

#include <gtest/gtest.h>

#include <set>

#include "../sound/scripted_device.h"
#include "../sound/short_tune.h"
#include "../temp_dir.h"
#include "engine/virtual_clock.h"
#include "setup/music_folder.h"
#include "setup/track_list.h"
#include "sound/fluid_sequencer.h"

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

TEST_F(MusicPlayerTest, TheListHasSilenceAndTheTracksAndStartUpPlaysARandomTrack) {
    for (const char* name : {"b.mid", "Apple.mid", "c.mid", "notes.txt", "d.MID"}) touch(name);
    std::filesystem::create_directory(dir / "folder.mid");
    std::set<int> chosen;
    for (std::uint64_t seed = 1; seed <= 40; ++seed) {
        RandomSource random(seed);
        player.load(random);
        chosen.insert(player.Combo1ListIndex);
    }
    EXPECT_EQ(player.Combo1, (Texts{"(Silence)", "Apple", "b", "c"}));
    EXPECT_EQ(chosen, (std::set<int>{1, 2, 3}));
    EXPECT_TRUE(player.Command2Visible);
    EXPECT_TRUE(player.Timer1.enabled());
    EXPECT_EQ(trackPath(dir.path(), "b"), dir / "b.mid");
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
}

TEST_F(MusicPlayerTest, TheMusicFolderIsBesideTheProgramOrInTheInstalledTree) {
    std::filesystem::create_directories(dir / "share" / "tallowen" / "Music");
    std::filesystem::create_directories(dir / "bin");
    EXPECT_EQ(musicFolder(dir / "bin"), dir / "share" / "tallowen" / "Music");
    std::filesystem::create_directories(dir / "bin" / "Music");
    EXPECT_EQ(musicFolder(dir / "bin"), dir / "bin" / "Music");
}

TEST_F(MusicPlayerTest, SilenceStopsAtOnceAndAnotherTrackStartsFromItsBeginning) {
    for (const char* name : {"a.mid", "b.mid"}) touch(name);
    RandomSource random(1);
    player.load(random);
    device.calls.clear();

    player.Combo1ListIndex = 0;
    player.Combo1_Click();
    EXPECT_EQ(device.calls, (Texts{"stop", "close"}));
    EXPECT_FALSE(player.Command2Visible);
    EXPECT_FALSE(player.Timer1.enabled());

    device.calls.clear();
    player.Combo1ListIndex = 2;
    player.Combo1_Click();
    player.Combo1ListIndex = 1;
    player.Combo1_Click();
    EXPECT_EQ(device.calls, (Texts{"close", "open b.mid", "play", "close", "open a.mid", "play"}));
    EXPECT_TRUE(player.Command2Visible);
}

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

    // Twenty ticks more at the same place replay the track.
    clock.advance(1900);
    EXPECT_TRUE(device.calls.empty());
    clock.advance(100);
    EXPECT_EQ(device.calls, (Texts{"close", "open a.mid", "play"}));
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

TEST_F(MusicPlayerTest, TheNoSoundNoteComesOnce) {
    touch("a.mid");
    RandomSource random(1);
    player.load(random);
    clock.advance(100);
    EXPECT_EQ(player.Label1, "");
    device.problem = "No sound: no audio output could be opened.";
    clock.advance(100);
    EXPECT_EQ(player.Label1, device.problem);
    device.problem = "something else";
    clock.advance(100);
    EXPECT_EQ(player.Label1, "No sound: no audio output could be opened.");
}

// The real player on the virtual clock: FluidSynth renders a tenth of a second of audio every
// tenth of a second, so the music's time and the window's timers run together.
class RenderedMusicTest : public ::testing::Test {
protected:
    RenderedMusicTest() {
        audio.setHandler([this] { sequencer.advance(FluidSequencer::kSampleRate / 100); });
        audio.setEnabled(true);
        clock.attach(audio);
        clock.attach(player.Timer1);
    }

    testing::TempDir dir;
    FluidSequencer sequencer;
    MusicPlayer player{sequencer, dir.path()};
    Timer audio{"audio", 10};
    VirtualClock clock;
};

TEST_F(RenderedMusicTest, ATrackThatEndsStartsAgainAboutTwoSecondsLater) {
    testing::writeShortTune(dir / "Short.mid", 6);  // three seconds
    RandomSource random(1);
    player.load(random);
    player.Picture1Width = 100;
    int lastLeft = 0;
    ASSERT_TRUE(clock.runUntil([&] {
        EXPECT_GE(player.Command2Left, lastLeft);
        lastLeft = player.Command2Left;
        return sequencer.length() > 0 && sequencer.position() == sequencer.length();
    }));
    EXPECT_NEAR(clock.now(), 3000, 20);
    const auto ended = clock.now();
    clock.advance(100);
    EXPECT_EQ(player.Command2Left, 4 + 100);
    ASSERT_TRUE(clock.runUntil([&] { return sequencer.position() < sequencer.length(); }));
    EXPECT_GE(clock.now() - ended, 2000);
    EXPECT_LE(clock.now() - ended, 2200);
    clock.advance(500);
    EXPECT_GT(sequencer.position(), 0);
}

}  // namespace
}  // namespace tallowen
