#pragma once

#include <string>

#include "engine/game_window.h"
#include "engine/headless_game.h"
#include "engine/virtual_clock.h"
#include "render/board_painter.h"
#include "render/window_layout.h"

namespace tallowen::test {

// A game window drawing into a BoardPainter, started on a virtual clock the way the setup window
// starts it (Star rule), up to the end of the first turn change.
struct PaintedGame {
    explicit PaintedGame(double innerHeight = 500) : painter(Rozmery(onDesignScreen(innerHeight)), random) {}

    void start(const std::string& gameString, const std::string& player1 = "Eva",
               const std::string& player2 = "Adam") {
        headless.start(MoveRule::Star, gameString, player1, player2);
    }

    RandomSource random{1};
    BoardPainter painter;
    HeadlessGame headless{nullptr, &painter};
    GameWindow& game = headless.game();
    VirtualClock& clock = headless.clock();
};

}  // namespace tallowen::test
