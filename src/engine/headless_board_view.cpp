#include "engine/board_view.h"
#include "engine/game_window.h"

namespace tallowen {

BoardGeometry HeadlessBoardView::layoutBoard(const GameWindow& game) {
    BoardGeometry g;
    g.BoardW = 400;
    g.BoardH = 300;
    const int side = game.Side > 0 ? game.Side : 1;
    g.CellW = g.BoardW / side;
    g.CellH = g.CellW / 4 * 3;
    return g;
}

}  // namespace tallowen
