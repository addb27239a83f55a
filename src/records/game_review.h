#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "engine/board.h"
#include "engine/directions.h"
#include "engine/game_window.h"

namespace tallowen {

// A finished game as its review reads it: how it started and every move made.
struct GameLine {
    std::string fieldName;
    MoveRule rule = MoveRule::Star;
    std::string gameString;  // the field string and the first mover, as the game started
    std::array<std::string, 2> names;
    std::vector<BoardMove> moves;
    bool operator==(const GameLine&) const = default;
};

// The line of the game the window holds: its hand-over and the moves that led to its board.
GameLine gameLineOf(const GameWindow& game);

// A position of the game: the board and the player to move there (who may have no move left).
struct ReviewPosition {
    Board board;
    int mover = 1;
    int count1 = 0;
    int count2 = 0;
};

// A finished game replayed by the rules: position k stands after k moves, as the move left it.
// When a player could not move, the last position is the board after the empty cells went to the
// other player. A line that the rules refuse somewhere is reviewed up to that move.
class GameReview {
public:
    explicit GameReview(GameLine line);

    const GameLine& line() const { return line_; }
    const std::vector<ReviewPosition>& positions() const { return positions_; }
    // The moves the rules accepted; position k + 1 is what move k left.
    std::size_t moveCount() const { return texts_.size(); }
    // Move k as the list shows it: "12. Eva c3→e5, +3" (the mover's turn as the game window
    // counts it, the mover, the piece's cell and the cell it went to, the pieces the mover gained).
    const std::string& moveText(std::size_t k) const { return texts_[k]; }
    // Whether the game ended with the empty cells going to a player because the other could not
    // move, and what the list says about it.
    bool endedByFill() const { return positions_.size() > moveCount() + 1; }
    std::string fillText() const;
    // The final count and the winner: "Eva 34 : 15 Bob, Eva wins" or "Eva 32 : 32 Bob, TIE!".
    std::string resultText() const;
    // One line that `tallowen-engine play` replays: the rule, the game string and the moves.
    std::string copyLine() const;

private:
    GameLine line_;
    std::vector<ReviewPosition> positions_;
    std::vector<std::string> texts_;
};

// Column letter and row number from the top, "a1" for cell (0, 0).
std::string cellName(int x, int y);

// The moves that lost their mover the most of "PC Master"'s valuation, the largest loss first,
// at most `most` of them; a move that lost nothing is none. values[k] is position k's valuation
// for player 1, movers[k] the player who moved from position k.
std::vector<std::size_t> turningPoints(const std::vector<int>& values, const std::vector<int>& movers,
                                       std::size_t most = 3);

}  // namespace tallowen
