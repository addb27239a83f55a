#pragma once

#include <optional>
#include <utility>
#include <vector>

#include "engine/board.h"
#include "engine/directions.h"
#include "opponent/candidates.h"

namespace tallowen {

// The cells of the last move as the last-move markers give them (marker position / cell size),
// so possibly fractional.
struct LastMove {
    double sourceColumn = 0;
    double sourceRow = 0;
    double targetColumn = 0;
    double targetRow = 0;
};

// Everything one search looks at.
struct SearchInput {
    const Board& board;
    int side = 0;
    const Directions& dirs;
    int player = 1;
    int level = 2;                  // 0 ... 3
    std::optional<LastMove> last;   // none at the start of a game
};

// The level-3 look-ahead board: the part of the board the opponent's replies are looked for in,
// with the candidate applied. Cells not copied from the board stay 0 and read as holes.
using LookBoard = Grid<-3, 28>;

// The one-move search of the computer player. The scan visits the cells column by column
// (k = 0 ... side² - 1, x = k / side, y = k % side) so that a caller can let events run and show
// progress between cells.
class MoveSearch {
public:
    explicit MoveSearch(const SearchInput& input);

    int cellCount() const { return in_.side * in_.side; }
    // Values every move of the player's piece on scanned cell k and records it in the table.
    void scanCell(int k, Candidates& table);

    // The value of the opponent's best immediate reply to the move (sx, sy) -> (tx, ty) on the
    // look-ahead board: the whole board before any move, else the four 7 x 7 windows around the
    // move's and the last move's cells, with the move and its conversions applied.
    int replyTo(int sx, int sy, int tx, int ty, bool jump);

private:
    int valueOf(int sx, int sy, int tx, int ty, int direction);
    // What a reply into the empty cell (x, y) of `cells` is worth, or -1 when no opponent piece
    // reaches it.
    int replyInto(const Board& cells, int x, int y) const;

    // With a last move: LookBoard holds only the four windows; every other cell reads as a hole.
    int windowReply(int sx, int sy, int tx, int ty, bool jump);

    // Before any move: the replies the move cannot touch keep the values worked out once for the
    // unchanged board; only those near the move are valued anew on a working copy.
    void prepareWholeBoard();
    int wholeBoardReply(int sx, int sy, int tx, int ty, bool jump);

    const SearchInput& in_;
    int own_;
    int opponent_;
    int growCount_;  // the first growCount_ directions are exactly the grow ones
    int ceiling_;  // no reply is worth more: a grow move next to a full ring of own pieces
    LookBoard look_{};

    Board work_;  // the board with the move applied, then undone
    std::vector<std::vector<std::pair<int, int>>> cellsByReply_;  // index: reply value
};

// The whole scan at once (the engine tool's eval and the bench).
void searchAll(const SearchInput& input, Candidates& table);

}  // namespace tallowen
