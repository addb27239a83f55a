#pragma once

#include <functional>
#include <string>
#include <vector>

#include "setup/setup_window.h"

namespace tallowen {

// What start-up asks of the windows and of the music player.
struct StartUpHooks {
    std::function<void()> music;     // builds the track list and starts its first track
    std::function<void()> graphics;  // title bars and button pictures in the desktop's colours, icons
    std::function<void()> windows;   // the game window at 13/15 of the screen height, laid out
};

// One step of start-up: the splash window shows `status` (and is painted) before `run` runs.
struct StartUpStep {
    std::string status;
    std::function<void()> run;
};

// Start-up in its order: "Loading...", "Loading music...", "Loading fields...", "Loading
// results...", "Loading graphics...", "Loading windows...". Afterwards both players are people
// named "Player 1" and "Player 2" without a time limit, the movement is "Star", the field
// "Original", and the logo strip starts to grow.
std::vector<StartUpStep> startUpSteps(SetupWindow& setup, StartUpHooks hooks);

}  // namespace tallowen
