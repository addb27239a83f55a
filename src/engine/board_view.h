#pragma once

#include "engine/colour.h"

namespace tallowen {

class GameWindow;

// The cell geometry a board layout settles.
struct BoardGeometry {
    double BoardW = 0;
    double BoardH = 0;
    double CellW = 0;
    double CellH = 0;
};

// The drawing that the game logic calls out to. Every call receives the game window's state to
// draw from; none of them changes it.
class BoardView {
public:
    virtual ~BoardView() = default;

    // Clears the board picture (restart, new game).
    virtual void clearBoard() = 0;
    // The first half of the full redraw: clears the board and its panels, lays out the board
    // surface for the current side and paints the players' figures into the upper panel.
    virtual BoardGeometry layoutBoard(const GameWindow& game) = 0;
    // DRWP: repaints one cell from the board table.
    virtual void drawCell(const GameWindow& game, int x, int y) = 0;
    // The painting half of ShBrd: repaints the frames of the cells around (x, y) from their marks.
    virtual void drawTargets(const GameWindow& game, int x, int y) = 0;
    virtual void refreshBoard() = 0;
    // Shows whose turn it is: the board's pointer image, the thinking panel's side; refreshes the
    // upper panel.
    virtual void showMover(const GameWindow& game) = 0;

    // The progress strip PPru: its width in units, one unit filled, cleared.
    virtual void setProgressScale(int units) = 0;
    virtual void fillProgress(int unit, Colour colour) = 0;
    virtual void clearProgress() = 0;

    // The lower panel's score bar and the lead label's place on it.
    virtual void drawScore(const GameWindow& game, int p1, int p2) = 0;
    // The winner's figure in the result panel; player 0 paints no figure (a tie).
    virtual void drawWinnerFigure(const GameWindow& game, int player) = 0;
};

// A view that draws nothing, for headless play; it lays the board out on a nominal 400 x 300
// surface so that cell positions stay meaningful.
class HeadlessBoardView : public BoardView {
public:
    void clearBoard() override {}
    BoardGeometry layoutBoard(const GameWindow& game) override;
    void drawCell(const GameWindow&, int, int) override {}
    void drawTargets(const GameWindow&, int, int) override {}
    void refreshBoard() override {}
    void showMover(const GameWindow&) override {}
    void setProgressScale(int) override {}
    void fillProgress(int, Colour) override {}
    void clearProgress() override {}
    void drawScore(const GameWindow&, int, int) override {}
    void drawWinnerFigure(const GameWindow&, int) override {}
};

}  // namespace tallowen
