#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace tallowen::testing {

// What a Standard MIDI File holds, read independently of the writer and of FluidSynth.
struct ReadTrack {
    std::string name;
    std::set<int> channels;
    std::set<int> programs;
    int notes = 0;
    int unmatched = 0;  // note-ons without their note-off, or note-offs without a note-on
    int lowest = 127;
    int highest = 0;
    int endTick = 0;
    bool endsWithEndOfTrack = false;
};

struct ReadMidi {
    int format = -1;
    int division = 0;
    std::vector<ReadTrack> tracks;
    double seconds = 0;  // to the last track's end, through the tempo map
};

// Nothing when the bytes are not a well-formed file: chunks that do not add up, events that run
// past their chunk, or anything after a track's end.
inline std::optional<ReadMidi> readMidiFile(const std::string& bytes) {
    std::size_t at = 0;
    const auto byte = [&](std::size_t end) -> std::optional<int> {
        if (at >= end) return std::nullopt;
        return static_cast<unsigned char>(bytes[at++]);
    };
    const auto fixed = [&](int size) -> std::optional<std::uint32_t> {
        std::uint32_t v = 0;
        for (int i = 0; i < size; ++i) {
            const auto b = byte(bytes.size());
            if (!b) return std::nullopt;
            v = v << 8 | static_cast<std::uint32_t>(*b);
        }
        return v;
    };
    const auto variable = [&](std::size_t end) -> std::optional<std::uint32_t> {
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i) {
            const auto b = byte(end);
            if (!b) return std::nullopt;
            v = v << 7 | static_cast<std::uint32_t>(*b & 0x7F);
            if (!(*b & 0x80)) return v;
        }
        return std::nullopt;
    };

    ReadMidi midi;
    if (bytes.compare(0, 4, "MThd") != 0) return std::nullopt;
    at = 4;
    const auto headerSize = fixed(4), format = fixed(2), count = fixed(2), division = fixed(2);
    if (headerSize != 6u || !format || !count || !division) return std::nullopt;
    midi.format = static_cast<int>(*format);
    midi.division = static_cast<int>(*division);
    std::map<int, double> tempo = {{0, 500000.0}};  // tick -> microseconds per quarter
    for (std::uint32_t t = 0; t < *count; ++t) {
        if (bytes.compare(at, 4, "MTrk") != 0) return std::nullopt;
        at += 4;
        const auto size = fixed(4);
        if (!size || at + *size > bytes.size()) return std::nullopt;
        const std::size_t end = at + *size;
        ReadTrack track;
        std::map<std::pair<int, int>, int> sounding;
        int tick = 0, status = 0;
        while (at < end && !track.endsWithEndOfTrack) {
            const auto delta = variable(end);
            auto first = delta ? byte(end) : std::nullopt;
            if (!first) return std::nullopt;
            tick += static_cast<int>(*delta);
            if (*first & 0x80)
                status = *first;
            else
                --at;  // running status: the byte is data
            if (status == 0xFF) {
                const auto type = byte(end);
                const auto length = type ? variable(end) : std::nullopt;
                if (!length || at + *length > end) return std::nullopt;
                const std::string data = bytes.substr(at, *length);
                at += *length;
                if (*type == 0x03) track.name = data;
                if (*type == 0x2F) track.endsWithEndOfTrack = true;
                if (*type == 0x51 && data.size() == 3)
                    tempo[tick] = static_cast<double>(static_cast<unsigned char>(data[0]) << 16 |
                                                      static_cast<unsigned char>(data[1]) << 8 |
                                                      static_cast<unsigned char>(data[2]));
                status = 0;
                continue;
            }
            if (status == 0xF0 || status == 0xF7) {
                const auto length = variable(end);
                if (!length || at + *length > end) return std::nullopt;
                at += *length;
                continue;
            }
            const int kind = status & 0xF0, channel = status & 0x0F;
            const auto a = byte(end);
            const auto b = (kind == 0xC0 || kind == 0xD0) ? std::optional<int>(0) : byte(end);
            if (!a || !b || kind < 0x80) return std::nullopt;
            track.channels.insert(channel);
            if (kind == 0xC0) track.programs.insert(*a);
            const bool on = kind == 0x90 && *b > 0, off = kind == 0x80 || (kind == 0x90 && *b == 0);
            if (on) {
                ++track.notes;
                if (sounding[{channel, *a}]++ > 0) ++track.unmatched;
                track.lowest = std::min(track.lowest, *a);
                track.highest = std::max(track.highest, *a);
            }
            if (off && sounding[{channel, *a}]-- <= 0) ++track.unmatched;
        }
        if (at != end) return std::nullopt;
        for (const auto& [note, n] : sounding) track.unmatched += n > 0 ? n : 0;
        track.endTick = tick;
        midi.tracks.push_back(track);
    }
    if (at != bytes.size() || midi.division <= 0) return std::nullopt;
    int last = 0;
    for (const ReadTrack& track : midi.tracks) last = std::max(last, track.endTick);
    for (auto it = tempo.begin(); it != tempo.end() && it->first < last; ++it) {
        const auto next = std::next(it);
        const int until = next == tempo.end() ? last : std::min(last, next->first);
        midi.seconds += (until - it->first) * it->second / midi.division / 1e6;
    }
    return midi;
}

}  // namespace tallowen::testing
