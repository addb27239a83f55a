#include "sound/fluid_sequencer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "../temp_dir.h"
#include "short_tune.h"
#include "sound/soundfont_location.h"

namespace tallowen {
namespace {

constexpr int kTenthOfASecond = FluidSequencer::kSampleRate / 10;

FluidLibrary fluidSynth() {
    const char* problem = nullptr;
    const std::optional<FluidLibrary> fluid = loadFluidLibrary(problem);
    if (!fluid) throw std::runtime_error(problem);
    return *fluid;
}

// A file of format 0 whose channel 0 plays middle C four times, half a second each, after the
// channel messages `setUp`; it chooses no instrument unless `setUp` does.
std::string playedAfter(const std::vector<std::string>& setUp) {
    std::string track;
    for (const std::string& message : setUp) track += '\0' + message;
    for (int i = 0; i < 4; ++i) track += std::string("\x00\x90\x3c\x64\x83\x60\x80\x3c\x40", 9);
    track += std::string("\x00\xff\x2f\x00", 4);
    const auto size = static_cast<char>(track.size());
    return std::string("MThd\0\0\0\x06\0\0\0\x01\x01\xe0", 14) + "MTrk" + std::string("\0\0\0", 3) + size + track;
}

// The loudest sample of the next `tenths` tenths of a second.
float loudestOf(FluidSequencer& sequencer, int tenths) {
    std::vector<float> left(kTenthOfASecond), right(kTenthOfASecond);
    float loudest = 0;
    for (int t = 0; t < tenths; ++t) {
        sequencer.render(left.data(), right.data(), kTenthOfASecond);
        for (std::size_t i = 0; i < left.size(); ++i) loudest = std::max({loudest, std::abs(left[i]), std::abs(right[i])});
    }
    return loudest;
}

// Empty, foreign and missing files are tracks of no length that do not stop a good file from playing
// afterwards; a file cut short anywhere plays no further than its length.
TEST(FluidSequencer, PlaysAFileWithItsLengthAndAPositionThatAdvancesAsAudioIsRenderedAndBadFilesNot) {
    testing::TempDir dir;
    testing::writeShortTune(dir / "t.mid", 8);  // 4 seconds
    testing::writeFile(dir / "empty.mid", "");
    testing::writeFile(dir / "foreign.mid", "not a MIDI file at all");
    FluidSequencer sequencer(fluidSynth());
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
    const FluidLibrary fluid = fluidSynth();
    const std::string soundFont = generalMidiSoundFont(fluid);
    if (soundFont.empty()) GTEST_SKIP() << "no General MIDI SoundFont installed";
    testing::TempDir dir;
    testing::writeShortTune(dir / "t.mid", 8, 48);  // strings, whose notes fade slowly when let go
    FluidSequencer sequencer(fluid, soundFont);
    ASSERT_TRUE(sequencer.hasSoundFont());
    sequencer.open((dir / "t.mid").string());
    sequencer.play();
    const float playing = loudestOf(sequencer, 10);
    EXPECT_GT(playing, 0.05f);
    sequencer.close();
    loudestOf(sequencer, 3);
    EXPECT_LT(loudestOf(sequencer, 1), playing / 20);  // the notes are gone; what is left is the reverb's echo
}

// Instruments are chosen by the files (their samples are loaded only then), yet every file starts
// on channels as FluidSynth starts them: one that plays without choosing an instrument sounds the
// piano, at the usual volume, whatever the file before it chose and set.
TEST(FluidSequencer, EveryFileStartsOnFreshChannelsAndOneThatChoosesNoInstrumentHearsThePiano) {
    const FluidLibrary fluid = fluidSynth();
    const std::string soundFont = generalMidiSoundFont(fluid);
    if (soundFont.empty()) GTEST_SKIP() << "no General MIDI SoundFont installed";
    testing::TempDir dir;
    testing::writeFile(dir / "plain.mid", playedAfter({}));
    testing::writeFile(dir / "muted.mid", playedAfter({std::string("\xb0\x07\x00", 3), "\xc0\x30"}));  // strings at volume 0
    FluidSequencer sequencer(fluid, soundFont);
    ASSERT_TRUE(sequencer.hasSoundFont());
    const auto loudestOfFile = [&](const char* name) {
        sequencer.open((dir / name).string());
        sequencer.play();
        loudestOf(sequencer, 3);  // the reverb's echo of the file before fades
        return loudestOf(sequencer, 10);
    };
    const float piano = loudestOfFile("plain.mid");
    EXPECT_GT(piano, 0.05f);
    EXPECT_LT(loudestOfFile("muted.mid"), piano / 20);
    EXPECT_GT(loudestOfFile("plain.mid"), piano / 2);
}

}  // namespace
}  // namespace tallowen
