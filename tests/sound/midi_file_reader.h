#pragma once

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace tallowen::testing {

// A channel message: its status byte (kind and channel) and its data bytes.
struct ReadEvent {
    int tick = 0;
    std::uint32_t status = 0, a = 0, b = 0;
    bool isNoteOn() const { return (status & 0xF0) == 0x90 && b > 0; }
    bool isNoteOff() const { return (status & 0xF0) == 0x80 || ((status & 0xF0) == 0x90 && b == 0); }
};

// What a Standard MIDI File holds, read independently of the writer and of FluidSynth.
struct ReadTrack {
    std::vector<ReadEvent> events;  // the channel messages in file order
    std::set<int> channels, programs;
    int notes = 0;
    int unmatched = 0;  // note-ons without their note-off, or note-offs without a note-on
    int endTick = 0;
};

struct ReadMidi {
    int format = -1;
    std::vector<ReadTrack> tracks;
    double seconds = 0;  // to the last track's end, at the file's one tempo
};

// Nothing when the bytes are not a well-formed file: chunks that do not add up, events that run
// past their chunk, a track without its end or anything after it, or what our files never hold
// (running status, system exclusive, a second tempo).
inline std::optional<ReadMidi> readMidiFile(const std::string& bytes) {
    std::size_t at = 4, end = bytes.size();
    bool broken = bytes.compare(0, 4, "MThd") != 0;
    const auto byte = [&] {
        if (at >= end) broken = true;
        return broken ? 0u : static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at++]));
    };
    const auto fixed = [&](int size) {
        std::uint32_t v = 0;
        while (size-- > 0) v = v << 8 | byte();
        return v;
    };
    const auto variable = [&] {
        std::uint32_t v = 0, b = 0x80;
        for (int i = 0; i < 4 && (b & 0x80); ++i) v = v << 7 | ((b = byte()) & 0x7F);
        if (b & 0x80) broken = true;
        return v;
    };

    ReadMidi midi;
    const bool header = fixed(4) == 6;
    midi.format = static_cast<int>(fixed(2));
    const std::uint32_t count = fixed(2), division = fixed(2);
    if (broken || !header || division == 0) return std::nullopt;
    double microsPerQuarter = 500000;
    int tempos = 0;
    for (std::uint32_t t = 0; t < count; ++t) {
        if (bytes.compare(at, 4, "MTrk") != 0) return std::nullopt;
        at += 4;
        end = bytes.size();
        const std::uint32_t size = fixed(4);
        if (broken || at + size > end) return std::nullopt;
        end = at + size;
        ReadTrack track;
        std::map<std::pair<std::uint32_t, std::uint32_t>, int> sounding;
        bool ended = false;
        while (at < end && !broken && !ended) {
            track.endTick += static_cast<int>(variable());
            const std::uint32_t status = byte();
            if (status == 0xFF) {
                const std::uint32_t type = byte(), length = variable();
                if (at + length > end) return std::nullopt;
                ended = type == 0x2F;
                if (type == 0x51 && length == 3 && tempos++ == 0)
                    microsPerQuarter = fixed(3);
                else
                    at += length;
                continue;
            }
            const std::uint32_t kind = status & 0xF0, channel = status & 0x0F;
            const std::uint32_t a = byte(), b = kind == 0xC0 || kind == 0xD0 ? 0 : byte();
            if (kind < 0x80 || kind == 0xF0 || a > 127 || b > 127) return std::nullopt;
            track.events.push_back({track.endTick, status, a, b});
            track.channels.insert(static_cast<int>(channel));
            if (kind == 0xC0) track.programs.insert(static_cast<int>(a));
            const bool on = kind == 0x90 && b > 0;
            track.notes += on;
            if (kind == 0x80 || kind == 0x90) {
                int& n = sounding[{channel, a}];
                if (on ? n++ > 0 : n-- <= 0) ++track.unmatched;
            }
        }
        if (broken || !ended || at != end) return std::nullopt;
        for (const auto& [note, n] : sounding) track.unmatched += n > 0 ? n : 0;
        midi.tracks.push_back(track);
    }
    if (at != bytes.size() || tempos > 1) return std::nullopt;
    int last = 0;
    for (const ReadTrack& track : midi.tracks) last = std::max(last, track.endTick);
    midi.seconds = last * microsPerQuarter / division / 1e6;
    return midi;
}

}  // namespace tallowen::testing
