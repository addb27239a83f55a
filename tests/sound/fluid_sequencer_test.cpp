#include "sound/fluid_sequencer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <vector>

#include "../temp_dir.h"
#include "short_tune.h"
#include "sound/soundfont_location.h"

namespace tallowen {
namespace {

constexpr int kTenthOfASecond = FluidSequencer::kSampleRate / 10;

// Empty, foreign and missing files are tracks of no length that do not stop a good file from playing
// afterwards; a file cut short anywhere plays no further than its length.
TEST(FluidSequencer, PlaysAFileWithItsLengthAndAPositionThatAdvancesAsAudioIsRenderedAndBadFilesNot) {
    testing::TempDir dir;
    testing::writeShortTune(dir / "t.mid", 8);  // 4 seconds
    testing::writeFile(dir / "empty.mid", "");
    testing::writeFile(dir / "foreign.mid", "not a MIDI file at all");
    FluidSequencer sequencer;
    std::ifstream in(dir / "t.mid", std::ios::binary);
    const std::string tune{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    for (std::size_t cut = 10; cut < tune.size(); cut += 7) {
        testing::writeFile(dir / "cut.mid", tune.substr(0, cut));
        sequencer.open((dir / "cut.mid").string());
        sequencer.play();
        for (int i = 0; i < 3; ++i) sequencer.advance(kTenthOfASecond);
        EXPECT_GE(sequencer.position(), 0) << cut;
        EXPECT_LE(sequencer.position(), sequencer.length()) << cut;
    }
    for (const char* name : {"empty.mid", "foreign.mid", "missing.mid"}) {
        sequencer.open((dir / name).string());
        sequencer.play();
        sequencer.advance(kTenthOfASecond);
        EXPECT_EQ(sequencer.length(), 0) << name;
        EXPECT_EQ(sequencer.position(), 0) << name;
    }
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

}  // namespace
}  // namespace tallowen
