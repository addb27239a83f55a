#pragma once

#include <functional>

#include "records/settings_store.h"
#include "setup/setup_window.h"
#include "setup/start_up.h"
#include "ui/form1.h"
#include "ui/network_play.h"

namespace tallowen {

class GameSession;
class PictureStore;
class frmSplash;

// The program started without game options: the setup window over the game session, with the
// popup menus the game window shows, the about window both windows open, and the program's end
// through "Really exit!" or the setup window's close box. "New game" brings the setup window back
// with every choice as it was and the statistics read anew. Player 2 may sit at another computer.
class ProgramWindows {
public:
    ProgramWindows(SettingsStore& store, GameSession& session, PictureStore& pictures, std::function<void()> end);

    // Start-up: each step's text on the splash window (when there is one) before the step runs,
    // the busy pointer meanwhile; then the splash window hides and the setup window shows, and
    // once it has painted, the messages of the game session's start.
    void startUp(frmSplash* splash, StartUpHooks hooks = {});

    SetupWindow& setup() { return setup_; }
    Form1& form1() { return form1_; }
    NetworkPlay& network() { return network_; }

private:
    GameSession& session_;
    SetupWindow setup_;
    Form1 form1_;
    NetworkPlay network_;
};

}  // namespace tallowen
