#include "sound/tune_text.h"

#include <gtest/gtest.h>

#include <array>

namespace tallowen {
namespace {

// A note as start, length, pitch and velocity, to compare at once.
std::array<int, 4> of(const SongNote& n) { return {n.start, n.length, n.pitch, n.velocity}; }

TEST(TuneText, VoicesPartsAndTheFormBecomeTimedNotes) {
    const TuneReading tune = readTune(R"(
title Little Tune   # a comment
tempo 90
meter 3/4
voice top program=73 channel=2 pan=30
part A
mf c5:q d5:e e5 f5:q~ | f5:h p g5+b5:q |  #comment
part B
r:h. | c6:h. |
part A2 = A
voice low program=32 channel=1
part A
c3:h. | f#2:h r:q |
part A2 = A
form A B A2
)");
    ASSERT_TRUE(tune.song) << tune.error;
    const Song& song = *tune.song;
    EXPECT_EQ(song.title, "Little Tune");
    EXPECT_EQ(song.beatsPerMinute, 90);
    EXPECT_EQ(song.meterBeats, 3);
    EXPECT_EQ(song.lengthTicks, 6 * 3 * kTicksPerQuarter);
    ASSERT_EQ(song.voices.size(), 2u);
    EXPECT_EQ((std::array{song.voices[0].program, song.voices[0].channel, song.voices[0].pan}),
              (std::array{73, 2, 30}));

    const auto& top = song.voices[0].notes;
    ASSERT_EQ(top.size(), 2 * 6u + 1);
    // The first beat of a bar is stronger; a short breath ends each note; a tie holds f5 across the
    // bar line; + makes a chord.
    EXPECT_EQ(of(top[0]), (std::array{0, 480 - 30, 72, 74 + 6}));
    EXPECT_EQ(of(top[1]), (std::array{480, 240 - 30, 74, 74}));
    EXPECT_EQ(of(top[3]), (std::array{960, 480 + 960 - 30, 77, 74}));
    EXPECT_EQ(of(top[4]), (std::array{1440 + 960, 480 - 30, 79, 48}));
    EXPECT_EQ(of(top[5]), (std::array{1440 + 960, 480 - 30, 83, 48}));
    EXPECT_EQ(top[6].pitch, 84);  // part B, after its rest
    EXPECT_EQ(top[6].start, 2 * 1440 + 1440);
    EXPECT_EQ(top[7].start, 4 * 1440);  // A2 repeats A

    // The low voice has no part B: it rests through it.
    const auto& low = song.voices[1].notes;
    ASSERT_EQ(low.size(), 4u);
    EXPECT_EQ(low[1].pitch, 42);  // f#2, a sharp and not a comment
    EXPECT_EQ(low[2].start, 4 * 1440);
}
TEST(TuneText, MistakesAreNamedWithTheirLine) {
    const std::string head = "tempo 100\nmeter 4/4\nvoice v\npart A\n";
    EXPECT_EQ(readTune(head + "c4:q d4 e4 |\nform A\n").error, "line 5: a bar of 1440 ticks where the meter has 1920");
    EXPECT_EQ(readTune(head + "c4:w | h4:q\nform A\n").error, "line 5: \"h4\" is not a note");
    EXPECT_EQ(readTune(head + "c4:w | c4:x\nform A\n").error, "line 5: \"x\" is not a duration");
    EXPECT_EQ(readTune(head + "c4:w | c4:q\nform A\n").error, "voice v, part A: the part ends inside a bar");
    EXPECT_EQ(readTune(head + "c4:w |\nform A B\n").error, "the form names part B, which no voice has");
    EXPECT_EQ(readTune(head + "c4:w |\nvoice u\npart A\nc4:w | c4:w |\nform A\n").error,
              "part A has different lengths in different voices");
    EXPECT_EQ(readTune("voice v volume=200\n").error, "line 1: volume must be a number from 0 to 127");
    EXPECT_EQ(readTune(head + "c4:w |\npart A2 = B\n").error,
              "line 6: a part can only repeat an earlier part of its voice: part A2 = NAME");
}

}  // namespace
}  // namespace tallowen
