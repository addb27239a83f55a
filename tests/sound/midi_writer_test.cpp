#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "midi_file_reader.h"
#include "sound/midi_writer.h"

namespace tallowen {
namespace {

// Within one tick a voice's instrument and controllers come before its notes start, so that its
// first note sounds on its own instrument at its own volume, and a note ends before the same note
// starts again, so that a repeated note strikes anew instead of being cut short at once.
TEST(MidiWriter, AtOneTickNotesStartOnlyAfterTheInstrumentAndAfterTheSameNoteEnded) {
    SongVoice voice{"Lead", 3, 40, 90, 30, 50, {}};
    voice.notes = {{0, 240, 64, 90}, {0, 480, 60, 70}, {240, 240, 64, 90}, {480, 240, 60, 70}, {480, 480, 67, 80}};
    const Song song{"Order", 120, 4, 4, 960, {voice}};
    const auto midi = testing::readMidiFile(standardMidiFile(song));
    ASSERT_TRUE(midi);
    ASSERT_EQ(midi->tracks.size(), 2u);
    EXPECT_EQ(midi->tracks[1].unmatched, 0);
    const std::vector<testing::ReadEvent>& events = midi->tracks[1].events;
    int restrikes = 0;
    for (std::size_t i = 0; i < events.size(); ++i)
        for (std::size_t j = i + 1; j < events.size() && events[j].tick == events[i].tick; ++j) {
            EXPECT_TRUE(!events[i].isNoteOn() || events[j].isNoteOn())
                << "at tick " << events[i].tick << " status " << std::hex << events[j].status << " after a note-on";
            restrikes += events[i].isNoteOff() && events[j].isNoteOn() && events[i].a == events[j].a;
        }
    EXPECT_EQ(restrikes, 2) << "the song repeats two notes on the tick they end";
    const auto atStart = [&](std::uint32_t status) {
        return std::count_if(events.begin(), events.end(),
                             [&](const testing::ReadEvent& e) { return e.tick == 0 && e.status == status; });
    };
    EXPECT_EQ(atStart(0xC3), 1) << "the instrument at the start";
    EXPECT_EQ(atStart(0x93), 2) << "two notes at the start";
}

}  // namespace
}  // namespace tallowen
