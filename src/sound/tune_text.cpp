#include "sound/tune_text.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <map>
#include <sstream>
#include <vector>

namespace tallowen {

namespace {

constexpr int kAccent = 6;
const std::map<std::string, int, std::less<>> kDynamics = {{"pp", 36}, {"p", 48}, {"mp", 60},
                                                          {"mf", 74}, {"f", 88},  {"ff", 100}};

struct Failure {
    std::string message;
};

int number(std::string_view text, int low, int high, std::string_view what) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < low || value > high)
        throw Failure{std::string(what) + " must be a number from " + std::to_string(low) + " to " +
                      std::to_string(high)};
    return value;
}

int pitchOf(std::string_view text) {
    static constexpr std::string_view kLetters = "cdefgab";
    static constexpr int kSemitones[] = {0, 2, 4, 5, 7, 9, 11};
    const auto letter = text.empty() ? std::string_view::npos : kLetters.find(text[0]);
    if (letter == std::string_view::npos) throw Failure{"\"" + std::string(text) + "\" is not a note"};
    int pitch = kSemitones[letter];
    text.remove_prefix(1);
    if (!text.empty() && (text[0] == '#' || text[0] == 'b')) {
        pitch += text[0] == '#' ? 1 : -1;
        text.remove_prefix(1);
    }
    pitch += 12 * (number(text, -1, 9, "an octave") + 1);
    if (pitch < 0 || pitch > 127) throw Failure{"a note beyond the MIDI range"};
    return pitch;
}

int durationOf(std::string_view text) {
    static const std::map<char, int> kValues = {
        {'w', 4 * kTicksPerQuarter}, {'h', 2 * kTicksPerQuarter}, {'q', kTicksPerQuarter},
        {'e', kTicksPerQuarter / 2}, {'s', kTicksPerQuarter / 4}};
    const auto value = text.empty() ? kValues.end() : kValues.find(text[0]);
    if (value == kValues.end()) throw Failure{"\"" + std::string(text) + "\" is not a duration"};
    int ticks = value->second;
    text.remove_prefix(1);
    if (!text.empty() && text[0] == '.') {
        ticks += ticks / 2;
        text.remove_prefix(1);
    }
    if (!text.empty() && text[0] == '3') {
        ticks = ticks * 2 / 3;
        text.remove_prefix(1);
    }
    if (!text.empty()) throw Failure{"\"" + std::string(text) + "\" after a duration"};
    return ticks;
}

// A part of one voice as it is being read: notes from the part's start.
struct Part {
    int barTicks = 0;
    int now = 0;
    int barStart = 0;
    int duration = kTicksPerQuarter;
    int velocity = kDynamics.at("mf");
    std::vector<SongNote> notes;
    std::map<int, std::size_t> tied;  // pitch -> its note, still sounding into the next

    void token(std::string_view t) {
        if (t == "|") {
            if (now - barStart != barTicks)
                throw Failure{"a bar of " + std::to_string(now - barStart) + " ticks where the meter has " +
                              std::to_string(barTicks)};
            barStart = now;
            return;
        }
        if (const auto dynamic = kDynamics.find(t); dynamic != kDynamics.end()) {
            velocity = dynamic->second;
            return;
        }
        const bool tie = t.ends_with('~');
        if (tie) t.remove_suffix(1);
        if (const auto colon = t.find(':'); colon != std::string_view::npos) {
            duration = durationOf(t.substr(colon + 1));
            t = t.substr(0, colon);
        }
        std::map<int, std::size_t> stillTied;
        if (t != "r") {
            for (std::size_t from = 0; from <= t.size();) {
                const auto plus = std::min(t.find('+', from), t.size());
                const int pitch = pitchOf(t.substr(from, plus - from));
                from = plus + 1;
                std::size_t index = notes.size();
                if (const auto held = tied.find(pitch); held != tied.end()) {
                    index = held->second;
                    notes[index].length += duration;
                } else {
                    const int accent = now == barStart ? kAccent : 0;
                    notes.push_back({now, duration, pitch, std::min(127, velocity + accent)});
                }
                if (tie) stillTied[pitch] = index;
            }
        }
        tied = std::move(stillTied);
        now += duration;
    }

    void finish() {
        if (now != barStart) throw Failure{"the part ends inside a bar"};
        // A short breath between notes keeps repeated notes and melodies articulate.
        for (SongNote& n : notes) n.length -= std::min(30, n.length / 8);
    }
};

// A comment is a word that starts with #; a # after a letter is a sharp.
std::string withoutComment(const std::string& line) {
    for (std::size_t at = line.find('#'); at != std::string::npos; at = line.find('#', at + 1))
        if (at == 0 || std::isspace(static_cast<unsigned char>(line[at - 1]))) return line.substr(0, at);
    return line;
}

struct VoiceText {
    SongVoice voice;
    std::map<std::string, Part, std::less<>> parts;
};

void setVoiceProperty(SongVoice& voice, std::string_view setting) {
    const auto equals = setting.find('=');
    if (equals == std::string_view::npos) throw Failure{"\"" + std::string(setting) + "\" is not name=value"};
    const std::string_view key = setting.substr(0, equals), value = setting.substr(equals + 1);
    if (key == "program")
        voice.program = number(value, 0, 127, key);
    else if (key == "channel")
        voice.channel = number(value, 0, 15, key);
    else if (key == "volume")
        voice.volume = number(value, 0, 127, key);
    else if (key == "pan")
        voice.pan = number(value, 0, 127, key);
    else if (key == "reverb")
        voice.reverb = number(value, 0, 127, key);
    else
        throw Failure{"no voice property \"" + std::string(key) + "\""};
}

Song assemble(Song song, std::vector<VoiceText>& voices, const std::vector<std::string>& form) {
    if (voices.empty() || form.empty()) throw Failure{"a tune needs voices and a form"};
    int start = 0;
    for (const std::string& name : form) {
        const Part* shape = nullptr;
        for (const VoiceText& v : voices)
            if (const auto p = v.parts.find(name); p != v.parts.end()) {
                if (shape && shape->now != p->second.now)
                    throw Failure{"part " + name + " has different lengths in different voices"};
                shape = &p->second;
            }
        if (!shape) throw Failure{"the form names part " + name + ", which no voice has"};
        for (VoiceText& v : voices)
            if (const auto p = v.parts.find(name); p != v.parts.end())
                for (SongNote n : p->second.notes) {
                    n.start += start;
                    v.voice.notes.push_back(n);
                }
        start += shape->now;
    }
    song.lengthTicks = start;
    for (VoiceText& v : voices) song.voices.push_back(std::move(v.voice));
    return song;
}

}  // namespace

TuneReading readTune(std::string_view text) {
    Song song;
    std::vector<VoiceText> voices;
    std::vector<std::string> form;
    Part* part = nullptr;
    int lineNumber = 0;
    try {
        std::istringstream lines{std::string(text)};
        for (std::string line; std::getline(lines, line);) {
            ++lineNumber;
            line = withoutComment(line);
            std::istringstream words(line);
            std::string word;
            if (!(words >> word)) continue;
            if (word == "title") {
                std::getline(words >> std::ws, song.title);
                song.title.erase(song.title.find_last_not_of(' ') + 1);
            } else if (word == "tempo") {
                words >> word;
                song.beatsPerMinute = number(word, 20, 300, "the tempo");
            } else if (word == "meter") {
                words >> word;
                const auto slash = word.find('/');
                song.meterBeats = number(word.substr(0, slash), 1, 16, "the beats of the meter");
                const std::string unit = slash == std::string::npos ? "" : word.substr(slash + 1);
                song.meterUnit = number(unit, 1, 16, "the meter's unit");
                if ((song.meterUnit & (song.meterUnit - 1)) != 0)
                    throw Failure{"the meter's unit must be a power of two"};
            } else if (word == "voice") {
                voices.emplace_back();
                words >> voices.back().voice.name;
                for (std::string setting; words >> setting;) setVoiceProperty(voices.back().voice, setting);
                part = nullptr;
            } else if (word == "part") {
                if (voices.empty()) throw Failure{"a part before any voice"};
                std::string name, equals, source;
                words >> name;
                auto& parts = voices.back().parts;
                part = &parts[name];
                part->barTicks = song.meterBeats * 4 * kTicksPerQuarter / song.meterUnit;
                if (words >> equals) {
                    words >> source;
                    const auto copied = parts.find(source);
                    if (equals != "=" || copied == parts.end() || copied->first == name)
                        throw Failure{"a part can only repeat an earlier part of its voice: part " + name + " = NAME"};
                    *part = copied->second;
                    part = nullptr;
                }
            } else if (word == "form") {
                for (; words >> word;) form.push_back(word);
                part = nullptr;
            } else {
                if (!part) throw Failure{"notes outside a part"};
                do part->token(word);
                while (words >> word);
            }
        }
        lineNumber = 0;
        for (VoiceText& v : voices)
            for (auto& [name, p] : v.parts) try {
                    p.finish();
                } catch (const Failure& failure) {
                    throw Failure{"voice " + v.voice.name + ", part " + name + ": " + failure.message};
                }
        return {assemble(std::move(song), voices, form), {}};
    } catch (const Failure& failure) {
        return {std::nullopt, (lineNumber ? "line " + std::to_string(lineNumber) + ": " : "") + failure.message};
    }
}

}  // namespace tallowen
