#pragma once

#include <filesystem>

#include "setup/music_player.h"
#include "sound/fluidsynth_device.h"
#include "ui/mplay.h"

namespace tallowen {

class Form1;
class GameSession;

// The program's music: the device, the player over the Music folder and the music window, and
// the windows that show or hide it.
class ProgramMusic {
public:
    // Nothing sounds before startSound(), which sets the device up on its own thread.
    explicit ProgramMusic(const std::filesystem::path& programFolder);

    void startSound() { device_.start(); }
    // Start-up: lists the tracks and starts a random one.
    void load(RandomSource& random) { window_.load(random); }
    // The game window's music button, its "H" key and its menu's "&Hudba" show or hide the music
    // window, and its inactive title look shows while the program is in the background.
    void joinGame(GameSession& session);
    // The setup window's music button shows or hides the music window.
    void joinSetup(Form1& form1);

    MPlay& window() { return window_; }

private:
    ActiveWindow kindOf(const QWidget* window) const;

    FluidSynthDevice device_;
    MusicPlayer player_;
    MPlay window_;
    const QWidget* game_ = nullptr;
};

}  // namespace tallowen
