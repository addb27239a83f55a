#pragma once

#include "engine/board_view.h"
#include "render/board_painter.h"
#include "ui/picture_box.h"

namespace tallowen {

// The picture controls that show the painter's surfaces.
struct PictureBoxes {
    PictureBox* PL = nullptr;
    PictureBox* Picture5 = nullptr;
    PictureBox* Picture1 = nullptr;
    PictureBox* PPru = nullptr;
    PictureBox* Picture6 = nullptr;
};

// The game's drawing as the window sees it: every call goes to the painter, and then exactly the
// part of the picture it changed is repainted on screen (one cell, the cells around a selection,
// a panel).
class RepaintingView final : public BoardView {
public:
    explicit RepaintingView(BoardPainter& painter) : painter_(painter) {}
    void show(const PictureBoxes& boxes) { boxes_ = boxes; }

    void clearBoard() override;
    BoardGeometry layoutBoard(const GameWindow& game) override;
    void drawCell(const GameWindow& game, int x, int y) override;
    void drawTargets(const GameWindow& game, int x, int y) override;
    void refreshBoard() override { painter_.refreshBoard(); }
    void showMover(const GameWindow& game) override;
    void setProgressScale(int units) override { painter_.setProgressScale(units); }
    void fillProgress(int unit, Colour colour) override;
    void clearProgress() override;
    void drawScore(const GameWindow& game, int p1, int p2) override;
    void drawWinnerFigure(const GameWindow& game, int player) override;

private:
    // Repaints a picture wholly.
    static void repaint(PictureBox* box);
    // Repaints the board's cells from (x1, y1) to (x2, y2).
    void repaintCells(const GameWindow& game, int x1, int y1, int x2, int y2);

    BoardPainter& painter_;
    PictureBoxes boxes_;
};

}  // namespace tallowen
