#include "sound/fluid_sequencer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <random>
#include <vector>

#include "../temp_dir.h"
#include "short_tune.h"
#include "sound/soundfont_location.h"

namespace tallowen {
namespace {

constexpr int kTenthOfASecond = FluidSequencer::kSampleRate / 10;

TEST(FluidSequencer, PlaysAFileWithItsLengthAndAPositionThatAdvancesAsAudioIsRendered) {
    testing::TempDir dir;
    testing::writeShortTune(dir / "t.mid", 8);  // 4 seconds
    FluidSequencer sequencer;
    sequencer.open((dir / "t.mid").string());
    EXPECT_EQ(sequencer.position(), 0);
    sequencer.play();
    sequencer.advance(kTenthOfASecond);
    EXPECT_EQ(sequencer.length(), 8 * kTicksPerQuarter);
    const long early = sequencer.position();
    EXPECT_GT(early, 0);
    sequencer.advance(10 * kTenthOfASecond);
    EXPECT_NEAR(sequencer.position() - early, 2 * kTicksPerQuarter, 20);  // one second at 120 a minute

    sequencer.stop();
    const long stopped = sequencer.position();
    sequencer.advance(kTenthOfASecond);
    EXPECT_EQ(sequencer.position(), stopped);

    // Played to the end, the position rests on the length however long the notes ring.
    sequencer.play();
    for (int i = 0; i < 60; ++i) sequencer.advance(kTenthOfASecond);
    EXPECT_EQ(sequencer.position(), sequencer.length());

    sequencer.close();
    EXPECT_EQ(sequencer.length(), 0);
    EXPECT_EQ(sequencer.position(), 0);
}

TEST(FluidSequencer, ClosingSilencesTheMusicAtOnce) {
    const std::string soundFont = generalMidiSoundFont();
    if (soundFont.empty()) GTEST_SKIP() << "no General MIDI SoundFont installed";
    testing::TempDir dir;
    testing::writeShortTune(dir / "t.mid", 8, 48);  // strings, whose notes fade slowly when let go
    FluidSequencer sequencer(soundFont);
    ASSERT_TRUE(sequencer.hasSoundFont());
    std::vector<float> left(kTenthOfASecond), right(kTenthOfASecond);
    const auto peak = [&] {
        sequencer.render(left.data(), right.data(), kTenthOfASecond);
        float p = 0;
        for (std::size_t i = 0; i < left.size(); ++i) p = std::max({p, std::abs(left[i]), std::abs(right[i])});
        return p;
    };
    sequencer.open((dir / "t.mid").string());
    sequencer.play();
    float playing = 0;
    for (int i = 0; i < 10; ++i) playing = std::max(playing, peak());
    EXPECT_GT(playing, 0.05f);
    sequencer.close();
    for (int i = 0; i < 3; ++i) peak();
    EXPECT_LT(peak(), playing / 20);  // the notes are gone; what is left is the reverb's echo
}

// Damaged, empty, foreign and missing files: none may crash the player or stop a good file from
// playing afterwards; whatever FluidSynth makes of them, the position never passes the length.
TEST(FluidSequencer, BadFilesAreTracksThatDoNotPlay) {
    testing::TempDir dir;
    testing::writeShortTune(dir / "good.mid", 8);
    std::ifstream in(dir / "good.mid", std::ios::binary);
    const std::string good{std::istreambuf_iterator<char>(in), {}};
    std::vector<std::string> bad = {"", "MThd", "not a MIDI file at all", good.substr(0, 14),
                                    good.substr(0, 14) + "MTrk\xff\xff\xff\xff"};
    for (std::size_t cut = 1; cut < good.size(); cut += 5) bad.push_back(good.substr(0, cut));
    std::mt19937 random(7);
    for (int i = 0; i < 200; ++i) {
        std::string damaged = good;
        for (int k = 0; k < 3; ++k) damaged[random() % damaged.size()] = static_cast<char>(random());
        bad.push_back(damaged);
    }

    FluidSequencer sequencer;
    for (const std::string& bytes : bad) {
        testing::writeFile(dir / "bad.mid", bytes);
        sequencer.open((dir / "bad.mid").string());
        sequencer.play();
        sequencer.advance(kTenthOfASecond);
        sequencer.advance(kTenthOfASecond);
        ASSERT_LE(sequencer.position(), sequencer.length());
        ASSERT_GE(sequencer.position(), 0);
    }
    for (const std::string& bytes : {bad[0], bad[2]}) {
        testing::writeFile(dir / "bad.mid", bytes);
        sequencer.open((dir / "bad.mid").string());
        sequencer.play();
        sequencer.advance(kTenthOfASecond);
        EXPECT_EQ(sequencer.length(), 0);
    }
    sequencer.open((dir / "missing.mid").string());
    sequencer.play();
    sequencer.advance(kTenthOfASecond);
    EXPECT_EQ(sequencer.length(), 0);

    sequencer.open((dir / "good.mid").string());
    sequencer.play();
    sequencer.advance(kTenthOfASecond);
    EXPECT_GT(sequencer.position(), 0);
}

}  // namespace
}  // namespace tallowen
