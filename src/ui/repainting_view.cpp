#include "ui/repainting_view.h"

#include "engine/game_window.h"

namespace tallowen {

void RepaintingView::repaint(PictureBox* box) {
    if (box) box->update();
}

void RepaintingView::repaintCells(const GameWindow& game, int x1, int y1, int x2, int y2) {
    if (!boxes_.PL) return;
    boxes_.PL->changed(QRectF(x1 * game.CellW, y1 * game.CellH, (x2 - x1 + 1) * game.CellW, (y2 - y1 + 1) * game.CellH));
}

void RepaintingView::clearBoard() {
    painter_.clearBoard();
    repaint(boxes_.PL);
}

BoardGeometry RepaintingView::layoutBoard(const GameWindow& game) {
    const BoardGeometry geometry = painter_.layoutBoard(game);
    for (PictureBox* box : {boxes_.PL, boxes_.Picture5, boxes_.Picture1}) repaint(box);
    return geometry;
}

void RepaintingView::drawCell(const GameWindow& game, int x, int y) {
    painter_.drawCell(game, x, y);
    repaintCells(game, x, y, x, y);
}

void RepaintingView::drawTargets(const GameWindow& game, int x, int y) {
    painter_.drawTargets(game, x, y);
    repaintCells(game, x - 2, y - 2, x + 2, y + 2);
}

void RepaintingView::showMover(const GameWindow& game) {
    painter_.showMover(game);
    repaint(boxes_.Picture5);
}

void RepaintingView::fillProgress(int unit, Colour colour) {
    painter_.fillProgress(unit, colour);
    repaint(boxes_.PPru);
}

void RepaintingView::clearProgress() {
    painter_.clearProgress();
    repaint(boxes_.PPru);
}

void RepaintingView::drawScore(const GameWindow& game, int p1, int p2) {
    painter_.drawScore(game, p1, p2);
    repaint(boxes_.Picture1);
}

void RepaintingView::drawWinnerFigure(const GameWindow& game, int player) {
    painter_.drawWinnerFigure(game, player);
    repaint(boxes_.Picture6);
}

}  // namespace tallowen
