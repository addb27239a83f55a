#pragma once

namespace tallowen {

// The computer opponent as the turn cycle sees it.
class ComputerPlayer {
public:
    virtual ~ComputerPlayer() = default;
    // PcIQ: chooses a move for the player at level 0 ... 4 and starts the game window's TimPC,
    // whose ticks play it with two board clicks. Returns false, starting nothing, when the player
    // has no legal move or the game changed while the search let events run. A search that runs
    // on a thread of its own (level 4) returns true at once and starts TimPC when it is done.
    virtual bool PcIQ(int player, int level) = 0;
    // The game changed (a move, undo, restart, new game): a search still running is stale.
    virtual void cancelThinking() {}
};

}  // namespace tallowen
