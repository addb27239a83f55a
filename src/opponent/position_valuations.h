#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "engine/board.h"
#include "engine/directions.h"
#include "opponent/master/master_queue.h"

namespace tallowen {

// A position to value: the board of a field and the player to move there.
struct PositionToValue {
    Board board;
    int side = 0;
    MoveRule rule = MoveRule::Star;
    int mover = 1;
};

// "PC Master"'s valuations of a series of positions, asked in the background of its thread, each
// for about kMs of search: the game's moves and hints go first. Each value comes back on the window
// thread as seen by player 1 (positive: player 1 ahead).
class PositionValuations {
public:
    static constexpr int kMs = 100;
    using OnValue = std::function<void(std::size_t index, int valueForPlayer1)>;

    explicit PositionValuations(master::MasterQueue& master);
    ~PositionValuations();
    PositionValuations(const PositionValuations&) = delete;
    PositionValuations& operator=(const PositionValuations&) = delete;

    // Values the positions in order, dropping whatever an earlier start still had to value.
    void start(const std::vector<PositionToValue>& positions, OnValue onValue);
    // Drops whatever is still to be valued.
    void stop();

    // The budget of each search: kMs of wall time unless a test fixes nodes.
    void setLimits(const master::Limits& limits) { limits_ = limits; }

private:
    master::MasterQueue& master_;
    master::Limits limits_{kMs, 0, 0};
    std::uint64_t series_ = 0;  // a result of an earlier start is dropped
};

// What a valuation for player 1 says in the players' names: "even", "+5 for Eva" (the piece
// difference "PC Master" expects), or "Eva wins by 12" once it sees the end of the game.
std::string valuationText(int valueForPlayer1, const std::array<std::string, 2>& names);

// Whether a valuation says that "PC Master" sees the game won or lost for certain, rather than the
// piece difference it expects.
bool seesTheEnd(int value);

}  // namespace tallowen
