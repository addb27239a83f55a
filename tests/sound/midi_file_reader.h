#pragma once

#include <algorithm>
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
    double seconds = 0;  // to the last track's end, at the file's one tempo
};

// Nothing when the bytes are not a well-formed file: chunks that do not add up, events that run
// past their chunk, anything after a track's end, or what our files never hold (running status,
// system exclusive, a second tempo).
inline std::optional<ReadMidi> readMidiFile(const std::string& bytes) {
    std::size_t at = 0;
    bool broken = false;
    const auto byte = [&](std::size_t end) {
        if (at >= end) broken = true;
        return broken ? 0 : static_cast<int>(static_cast<unsigned char>(bytes[at++]));
    };
    const auto fixed = [&](int size) {
        std::uint32_t v = 0;
        for (int i = 0; i < size; ++i) v = v << 8 | static_cast<std::uint32_t>(byte(bytes.size()));
        return v;
    };
    const auto variable = [&](std::size_t end) {
        std::uint32_t v = 0;
        for (int i = 0, b = 0x80; b & 0x80; ++i) {
            b = byte(end);
            v = v << 7 | static_cast<std::uint32_t>(b & 0x7F);
            if (i == 3 && (b & 0x80)) broken = true;
            if (broken) return 0u;
        }
        return v;
    };

    ReadMidi midi;
    if (bytes.compare(0, 4, "MThd") != 0) return std::nullopt;
    at = 4;
    const std::uint32_t headerSize = fixed(4);
    midi.format = static_cast<int>(fixed(2));
    const std::uint32_t count = fixed(2);
    midi.division = static_cast<int>(fixed(2));
    if (broken || headerSize != 6) return std::nullopt;
    double microsPerQuarter = 500000;
    int tempos = 0;
    for (std::uint32_t t = 0; t < count; ++t) {
        if (bytes.compare(at, 4, "MTrk") != 0) return std::nullopt;
        at += 4;
        const std::uint32_t size = fixed(4);
        if (broken || at + size > bytes.size()) return std::nullopt;
        const std::size_t end = at + size;
        ReadTrack track;
        std::map<std::pair<int, int>, int> sounding;
        while (at < end && !broken && !track.endsWithEndOfTrack) {
            track.endTick += static_cast<int>(variable(end));
            const int status = byte(end);
            if (status == 0xFF) {
                const int type = byte(end);
                const std::uint32_t length = variable(end);
                if (broken || at + length > end) return std::nullopt;
                const std::string data = bytes.substr(at, length);
                at += length;
                if (type == 0x03) track.name = data;
                if (type == 0x2F) track.endsWithEndOfTrack = true;
                if (type == 0x51 && data.size() == 3 && tempos++ == 0)
                    microsPerQuarter = static_cast<unsigned char>(data[0]) << 16 |
                                       static_cast<unsigned char>(data[1]) << 8 | static_cast<unsigned char>(data[2]);
                continue;
            }
            const int kind = status & 0xF0, channel = status & 0x0F;
            const int a = byte(end), b = kind == 0xC0 || kind == 0xD0 ? 0 : byte(end);
            if (kind < 0x80 || kind == 0xF0 || a > 127 || b > 127) return std::nullopt;
            track.channels.insert(channel);
            if (kind == 0xC0) track.programs.insert(a);
            if (kind == 0x90 && b > 0) {
                ++track.notes;
                if (sounding[{channel, a}]++ > 0) ++track.unmatched;
                track.lowest = std::min(track.lowest, a);
                track.highest = std::max(track.highest, a);
            } else if ((kind == 0x80 || kind == 0x90) && sounding[{channel, a}]-- <= 0) {
                ++track.unmatched;
            }
        }
        if (broken || at != end) return std::nullopt;
        for (const auto& [note, n] : sounding) track.unmatched += n > 0 ? n : 0;
        midi.tracks.push_back(track);
    }
    if (at != bytes.size() || midi.division <= 0 || tempos > 1) return std::nullopt;
    int last = 0;
    for (const ReadTrack& track : midi.tracks) last = std::max(last, track.endTick);
    midi.seconds = last * microsPerQuarter / midi.division / 1e6;
    return midi;
}

}  // namespace tallowen::testing
