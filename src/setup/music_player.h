#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "engine/random_source.h"
#include "engine/timer.h"
#include "sound/midi_device.h"

namespace tallowen {

// The program's window that has the focus, as the title strips tell them apart.
enum class ActiveWindow { Game, Music, Setup, About, Other };

// The music window's model: the track list, the playing track and its progress knob, the repeat
// of a track that has ended, and the looks of the title strips.
class MusicPlayer {
public:
    static constexpr int kStallTicks = 20;

    MusicPlayer(MidiDevice& device, std::filesystem::path folder);
    MusicPlayer(const MusicPlayer&) = delete;
    MusicPlayer& operator=(const MusicPlayer&) = delete;

    // Called after every change the window did not cause itself (Timer1's ticks).
    void setOnChange(std::function<void()> onChange) { onChange_ = std::move(onChange); }

    // Start-up: lists the folder's tracks, selects a random one and starts it.
    void load(RandomSource& random);
    // The list's selection changed: plays the selected track, or stops for "(Silence)".
    void Combo1_Click();
    // Opens the selected track and plays it from its start.
    void Play();
    // Every 100 ms while a track is selected: moves the knob and replays a track that has ended.
    void Timer1_Timer();
    // The active window changed: the strips show which window has the focus.
    void activeWindowChanged(ActiveWindow active);

    std::vector<std::string> Combo1;  // "(Silence)", then the tracks
    int Combo1ListIndex = 0;
    bool Command2Visible = false;  // the progress knob
    int Command2Left = 4;
    int Picture1Width = 0;          // the strip the knob moves along; set by the window
    bool Picture2Visible = true;    // the inactive strip, over the active one
    // The game window's inactive title strip, shown while the program is in the background.
    bool TallowPicture4Visible = false;
    std::string Label1;  // why there is no sound, once the device knows
    Timer Timer1{"Timer1", 100};

private:
    void noteSoundProblem();

    MidiDevice& device_;
    std::filesystem::path folder_;
    int stalledTicks_ = 0;
    long lastPosition_ = 0;
    std::function<void()> onChange_;
};

}  // namespace tallowen
