#pragma once

#include <cstdint>
#include <optional>

#include "engine/game_window.h"
#include "engine/timer.h"
#include "opponent/master/master_queue.h"

namespace tallowen {

// A hint for the person to move: "PC Master"'s best move for them, searched on its thread, shown
// on the board as a selected piece and a target mark until the next press on the board or until
// TimHint fires. It changes nothing in the game; the clocks run on. A hint for a position that
// has changed since it was asked for (a move, undo, restart, new game, the program ending) is
// never shown.
class Hint {
public:
    // At most a second from the question to the marks, the report's way to the window thread
    // included.
    static constexpr int kSearchMs = 800;
    static constexpr int kShownMs = 3000;

    Hint(GameWindow& game, master::MasterQueue& master);
    Hint(const Hint&) = delete;
    Hint& operator=(const Hint&) = delete;

    // Whether a person may ask now: a game under way with a person at this computer to move, whose
    // clicks count and whom the computer does not play for, and no move or turn change pending.
    bool offered() const;
    // Asks for a hint; nothing when none is offered or one for this position is on its way.
    void ask();
    // A press on the board: the hint shown goes, and one still searched for is dropped.
    void press();
    // The move to mark now.
    std::optional<master::CellMove> shown() const;
    // Whether a hint has been asked for and has neither come nor been dropped.
    bool searching() const;

    // The search's budget: kSearchMs of wall time unless a test fixes nodes.
    void setLimits(const master::Limits& limits) { limits_ = limits; }

    Timer TimHint{"TimHint", kShownMs};

private:
    GameWindow& game_;
    master::MasterQueue& master_;
    master::Limits limits_{kSearchMs, 0, 0};
    std::uint64_t epoch_ = 0;  // the position asked about
    bool searching_ = false;
    std::optional<master::CellMove> move_;
};

}  // namespace tallowen
