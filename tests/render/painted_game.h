#pragma once

#include <string>

#include "engine/game_window.h"
#include "engine/virtual_clock.h"
#include "render/board_painter.h"
#include "render/window_layout.h"

namespace tallowen::test {

inline LayoutInput screenFor(double innerHeight) {
    LayoutInput in;
    in.innerHeight = innerHeight;
    in.screenWidth = 1920;
    in.screenHeight = 1080;
    return in;
}

// A game window drawing into a BoardPainter, started on a virtual clock the way the setup window
// starts it (Star rule), up to the end of the first turn change.
struct PaintedGame {
    explicit PaintedGame(double innerHeight = 500) : painter(Rozmery(screenFor(innerHeight)), random) {
        for (Timer* t : {&game.Timer1, &game.TimCHng, &game.TimerT, &game.TimPC}) clock.attach(*t);
    }

    void start(const std::string& gameString, const std::string& player1 = "Eva",
               const std::string& player2 = "Adam") {
        game.Label4 = gameString;
        game.Label5.Caption = player1;
        game.Label6.Caption = player2;
        game.Label8 = "1";
        game.Timer1.setEnabled(true);
        clock.runUntil([this] { return !game.Timer1.enabled(); });
        clock.runUntil([this] { return !game.TimCHng.enabled(); });
    }

    RandomSource random{1};
    BoardPainter painter;
    NoRecorder recorder;
    GameWindow game{painter, recorder};
    VirtualClock clock;
};

}  // namespace tallowen::test
