#pragma once

namespace tallowen {

// The computer opponent as the turn cycle sees it.
class ComputerPlayer {
public:
    virtual ~ComputerPlayer() = default;
    // PcIQ: chooses a move for the player at level 0 ... 3 and starts the game window's TimPC,
    // whose ticks play it with two board clicks. Returns false, starting nothing, when the player
    // has no legal move or the game changed while the search let events run.
    virtual bool PcIQ(int player, int level) = 0;
};

}  // namespace tallowen
