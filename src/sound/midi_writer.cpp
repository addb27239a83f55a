#include "sound/midi_writer.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <tuple>
#include <vector>

namespace tallowen {

namespace {

struct Event {
    int tick;
    std::string bytes;
};

std::string bigEndian(std::uint32_t value, int size) {
    std::string out;
    for (int shift = 8 * (size - 1); shift >= 0; shift -= 8) out += static_cast<char>((value >> shift) & 0xFF);
    return out;
}

std::string variableLength(std::uint32_t value) {
    std::string out(1, static_cast<char>(value & 0x7F));
    while (value >>= 7) out.insert(out.begin(), static_cast<char>(0x80 | (value & 0x7F)));
    return out;
}

std::string bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values) out += static_cast<char>(v);
    return out;
}

std::string meta(int type, const std::string& data) {
    return bytes({0xFF, type}) + variableLength(static_cast<std::uint32_t>(data.size())) + data;
}

// Events in time order; at one tick a note ends before the next begins, so repeated notes restrike.
std::string trackChunk(std::vector<Event> events, int endTick) {
    std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
        const auto isNoteOn = [](const Event& e) { return (static_cast<unsigned char>(e.bytes[0]) & 0xF0) == 0x90; };
        return std::tuple(a.tick, isNoteOn(a)) < std::tuple(b.tick, isNoteOn(b));
    });
    std::string data;
    int now = 0;
    for (const Event& e : events) {
        data += variableLength(static_cast<std::uint32_t>(e.tick - now)) + e.bytes;
        now = e.tick;
    }
    data += variableLength(static_cast<std::uint32_t>(std::max(endTick, now) - now)) + meta(0x2F, "");
    return "MTrk" + bigEndian(static_cast<std::uint32_t>(data.size()), 4) + data;
}

std::string conductorTrack(const Song& song) {
    const int microsPerQuarter = 60'000'000 / song.beatsPerMinute;
    const int clocksPerBeat = 24 * 4 / song.meterUnit;
    const int unitPower = std::countr_zero(static_cast<unsigned>(song.meterUnit));
    return trackChunk({{0, meta(0x03, song.title)},
                       {0, meta(0x58, bytes({song.meterBeats, unitPower, clocksPerBeat, 8}))},
                       {0, meta(0x51, bigEndian(static_cast<std::uint32_t>(microsPerQuarter), 3))}},
                      song.lengthTicks);
}

std::string voiceTrack(const SongVoice& voice, int endTick) {
    const int ch = voice.channel;
    std::vector<Event> events = {
        {0, meta(0x03, voice.name)},
        {0, bytes({0xC0 | ch, voice.program})},
        {0, bytes({0xB0 | ch, 7, voice.volume})},
        {0, bytes({0xB0 | ch, 10, voice.pan})},
        {0, bytes({0xB0 | ch, 91, voice.reverb})},
    };
    for (const SongNote& n : voice.notes) {
        events.push_back({n.start, bytes({0x90 | ch, n.pitch, n.velocity})});
        events.push_back({n.start + n.length, bytes({0x80 | ch, n.pitch, 64})});
    }
    return trackChunk(std::move(events), endTick);
}

}  // namespace

std::string standardMidiFile(const Song& song) {
    const auto trackCount = static_cast<std::uint32_t>(song.voices.size() + 1);
    std::string file =
        "MThd" + bigEndian(6, 4) + bigEndian(1, 2) + bigEndian(trackCount, 2) + bigEndian(kTicksPerQuarter, 2);
    file += conductorTrack(song);
    for (const SongVoice& voice : song.voices) file += voiceTrack(voice, song.lengthTicks);
    return file;
}

}  // namespace tallowen
