#pragma once

#include <string>

#include "engine/board_view.h"
#include "engine/directions.h"
#include "engine/game_recorder.h"
#include "engine/game_window.h"
#include "engine/virtual_clock.h"

namespace tallowen {

// A game window with its timers on a virtual clock, drawing nothing unless given a view: how the
// engine tool and the tests run the real turn cycle without a window.
class HeadlessGame {
public:
    // Draws through `view` when one is given, otherwise nothing.
    explicit HeadlessGame(GameRecorder* recorder = nullptr, BoardView* view = nullptr);

    // Hands a game over as the setup window does and runs the start, up to the end of the first
    // turn change.
    void start(MoveRule rule, const std::string& gameString, const std::string& player1 = "Player 1",
               const std::string& player2 = "Player 2");
    // Runs the timers until the pending turn change has happened.
    void finishTurnChange();

    GameWindow& game() { return game_; }
    VirtualClock& clock() { return clock_; }

private:
    HeadlessBoardView view_;
    NoRecorder noRecorder_;
    GameWindow game_;
    VirtualClock clock_;
};

}  // namespace tallowen
