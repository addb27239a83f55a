#pragma once

#include "engine/board_view.h"
#include "engine/random_source.h"
#include "render/board_geometry.h"
#include "render/image_surface.h"
#include "render/upper_panel.h"
#include "render/window_layout.h"

namespace tallowen {

// The game window's pictures and how the game draws into them: the board PL, the upper panel
// Picture5 with the players' figures, the lower panel Picture1 with the score bar, the progress
// strip PPru and the result panel's figure Picture6. A window only has to show the images and place
// its labels from the data kept here.
class BoardPainter final : public BoardView {
public:
    BoardPainter(const WindowLayout& layout, RandomSource& random);

    // After Rozmery: sizes the panels for the new layout; the board follows at the next full redraw.
    // On a screen with `pixelRatio` device pixels per layout pixel every picture is drawn that
    // much finer, so the game's cell size and every position it hands out are in device pixels.
    void setLayout(const WindowLayout& layout, double pixelRatio = 1);

    void clearBoard() override;
    BoardGeometry layoutBoard(const GameWindow& game) override;
    void drawCell(const GameWindow& game, int x, int y) override;
    void drawTargets(const GameWindow& game, int x, int y) override;
    void refreshBoard() override;
    void showMover(const GameWindow& game) override;
    void setProgressScale(int units) override;
    void fillProgress(int unit, Colour colour) override;
    void clearProgress() override;
    void drawScore(const GameWindow& game, int p1, int p2) override;
    void drawWinnerFigure(const GameWindow& game, int player) override;

    ImageSurface& PL() { return pl_; }
    ImageSurface& Picture5() { return picture5_; }
    ImageSurface& Picture1() { return picture1_; }
    ImageSurface& PPru() { return ppru_; }
    ImageSurface& Picture6() { return picture6_; }

    const WindowLayout& layout() const { return layout_; }
    double pixelRatio() const { return ratio_; }
    // The board's markers and the upper panel's labels as the last full redraw placed them.
    const BoardLayout& boardLayout() const { return board_; }
    const UpperPanel& upperPanel() const { return upper_; }
    // The score bar's split point, on which the lead label PLS is centred.
    double scoreSplit() const { return scoreSplit_; }
    // The player whose turn the window shows (pointer image, thinking panel's side).
    int mover() const { return mover_; }

private:
    WindowLayout layout_;
    double ratio_ = 1;
    RandomSource& random_;
    ImageSurface pl_;
    ImageSurface picture5_;
    ImageSurface picture1_;
    ImageSurface ppru_;
    ImageSurface picture6_;
    BoardLayout board_;
    UpperPanel upper_;
    double scoreSplit_ = 0;
    int mover_ = 1;
    int progressUnits_ = 1;
};

}  // namespace tallowen
