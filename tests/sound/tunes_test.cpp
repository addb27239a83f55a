#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "midi_file_reader.h"

namespace tallowen {
namespace {

// Every tune the build wrote into the Music folder is a well-formed file of a minute or more,
// with at least a melody, a bass and a harmony on their own channels and instruments.
TEST(Tunes, EveryWrittenTuneIsAWholeMinuteOfMusicInSeveralVoices) {
    int tunes = 0;
    for (const auto& entry : std::filesystem::directory_iterator(TALLOWEN_MUSIC_DIR)) {
        SCOPED_TRACE(entry.path().filename().string());
        std::ifstream in(entry.path(), std::ios::binary);
        const auto midi = testing::readMidiFile(std::string(std::istreambuf_iterator<char>(in), {}));
        ASSERT_TRUE(midi);
        ++tunes;
        EXPECT_EQ(midi->format, 1);
        EXPECT_GE(midi->seconds, 60.0);
        EXPECT_LE(midi->seconds, 300.0);
        ASSERT_GE(midi->tracks.size(), 4u);
        std::set<int> channels, programs;
        for (std::size_t i = 0; i < midi->tracks.size(); ++i) {
            SCOPED_TRACE(i);
            const testing::ReadTrack& track = midi->tracks[i];
            EXPECT_EQ(track.endTick, midi->tracks[0].endTick);  // all tracks end together
            EXPECT_EQ(track.unmatched, 0);
            if (i == 0) continue;
            EXPECT_GT(track.notes, 0);
            ASSERT_EQ(track.channels.size(), 1u);
            EXPECT_TRUE(channels.insert(*track.channels.begin()).second);
            ASSERT_EQ(track.programs.size(), 1u);
            programs.insert(*track.programs.begin());
        }
        EXPECT_GE(programs.size(), 3u);
    }
    EXPECT_GE(tunes, 4);
}

}  // namespace
}  // namespace tallowen
