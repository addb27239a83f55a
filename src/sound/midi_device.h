#pragma once

#include <string>

namespace tallowen {

// A MIDI file player as the music window uses it: open a ".mid" file by path, play, stop, close,
// and the open file's length and current position, both in one unit (MIDI ticks). Errors are not
// reported: a file that cannot be opened keeps a length and a position of 0.
class MidiDevice {
public:
    virtual ~MidiDevice() = default;

    virtual void open(const std::string& path) = 0;
    virtual void play() = 0;
    virtual void stop() = 0;
    virtual void close() = 0;
    virtual long length() const = 0;
    virtual long position() const = 0;

    // Why the music cannot be heard (no SoundFont, no audio output); empty while it can be, or
    // while the device does not know yet.
    virtual std::string soundProblem() const = 0;
};

}  // namespace tallowen
