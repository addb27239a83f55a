#include "render/board_painter.h"

#include "engine/game_window.h"
#include "render/figure_painter.h"
#include "render/rounding.h"
#include "render/score_bar.h"
#include "render/step_loop.h"

namespace tallowen {

namespace {

// Sizes of the parts whose look the window layer leaves to this program.
constexpr int kProgressWidth = 200, kProgressHeight = 6;      // PPru
constexpr int kWinnerFigureWidth = 120, kWinnerFigureHeight = 90;  // Picture6
constexpr Colour kPanelBack = kBlack;
constexpr Colour kEmptyCell = rgb(191, 191, 191);

Figure figureOf(const Appearance& looks, int level) { return {figureCodeOf(looks.Caption), looks.BackColor, level}; }

}  // namespace

BoardPainter::BoardPainter(const WindowLayout& layout, RandomSource& random)
    : random_(random),
      pl_(0, 0, kBlack),
      picture5_(0, 0, kPanelBack),
      picture1_(0, 0, kPanelBack),
      ppru_(kProgressWidth, kProgressHeight, kPanelBack),
      picture6_(kWinnerFigureWidth, kWinnerFigureHeight, kPanelBack) {
    setLayout(layout);
}

void BoardPainter::setLayout(const WindowLayout& layout, double pixelRatio) {
    layout_ = layout;
    ratio_ = pixelRatio;
    const auto scaled = [&](double v) { return roundHalfEven(v * ratio_); };
    picture5_.resize(scaled(layout.Picture5.Width), scaled(layout.Picture5.Height));
    picture1_.resize(scaled(layout.Picture1.Width), scaled(layout.Picture1.Height));
    if (ppru_.innerWidth() != scaled(kProgressWidth)) ppru_.resize(scaled(kProgressWidth), scaled(kProgressHeight));
    if (picture6_.innerWidth() != scaled(kWinnerFigureWidth))
        picture6_.resize(scaled(kWinnerFigureWidth), scaled(kWinnerFigureHeight));
}

void BoardPainter::clearBoard() {
    pl_.clear();
    pl_.refresh();
}

BoardGeometry BoardPainter::layoutBoard(const GameWindow& game) {
    for (ImageSurface* s : {&pl_, &picture1_, &picture5_}) {
        s->clear();
        s->refresh();
    }
    const int w = roundHalfEven(layout_.PLNP.Width * ratio_), h = roundHalfEven(layout_.PLNP.Height * ratio_);
    if (pl_.innerWidth() != w || pl_.innerHeight() != h) pl_.resize(w, h);
    board_ = tallowen::boardLayout(w, h, game.Side);

    upper_ = tallowen::upperPanel(picture5_.innerWidth(), picture5_.innerHeight());
    const int density = densityOf(game.FigureDetail);
    DRWP2(picture5_, upper_.figure1Column, 0, figureOf(game.HR1, game.PcLevel[1]), upper_.cellHeight, false, density,
          random_);
    DRWP2(picture5_, upper_.figure2Column, 0, figureOf(game.HR2, game.PcLevel[2]), upper_.cellHeight, false, density,
          random_);
    return board_.geometry;
}

void BoardPainter::drawCell(const GameWindow& game, int x, int y) {
    const int c = game.board(x, y);
    const double W = game.CellW, H = game.CellH;
    if (c == kNoCell) {
        pl_.filledBox(x * W + 1, y * H + 1, (x + 1) * W - 1, (y + 1) * H - 1, kBlack);
        return;
    }
    const int k = roundHalfEven(c / 10.0);
    Figure figure{kNoFigure, kEmptyCell, game.PcLevel[static_cast<std::size_t>(k)]};
    if (c == pieceOf(1)) figure = figureOf(game.HR1, figure.level);
    if (c == pieceOf(2)) figure = figureOf(game.HR2, figure.level);
    DRWP2(pl_, x, y, figure, H, true, densityOf(game.FigureDetail), random_);
}

void BoardPainter::drawTargets(const GameWindow& game, int XX, int YY) {
    const Appearance& looks = game.looksOf(game.CurPlayer);
    const double W = game.CellW, H = game.CellH;
    for (int k = 0; k <= game.dirs.DirLast; ++k) {
        const int nx = XX + game.dirs.DirX[static_cast<std::size_t>(k)];
        const int ny = YY + game.dirs.DirY[static_cast<std::size_t>(k)];
        if (game.board(nx, ny) == kNoCell) continue;
        // The selected figure itself keeps both black.
        Colour outline = kBlack, band = kBlack;
        const std::uint8_t mark = game.marks(nx, ny);
        if (mark == kNoMark) {
            outline = kWhite;
            band = rgb(127, 127, 127);
        } else if (mark == kJumpMark) {
            outline = looks.ForeColor;
            band = looks.BackColor;
        } else if (mark == kGrowMark) {
            outline = kWhite;
            band = looks.ForeColor;
        }
        const double x0 = nx * W, y0 = ny * H;
        forStep(H / 15, H / 6 + 1, 1, [&](double t) { pl_.box(x0 + t, y0 + t, x0 + W - t, y0 + H - t, band); });
        squareOutlines(pl_, x0, y0, W, H, outline);
    }
}

void BoardPainter::refreshBoard() { pl_.refresh(); }

void BoardPainter::showMover(const GameWindow& game) {
    mover_ = game.CurPlayer;
    layout_.Picture9.Left = thinkingPanelLeft(layout_, mover_);
    picture5_.refresh();
}

void BoardPainter::setProgressScale(int units) { progressUnits_ = units > 0 ? units : 1; }

void BoardPainter::fillProgress(int unit, Colour colour) {
    const double step = static_cast<double>(ppru_.innerWidth()) / progressUnits_;
    ppru_.filledBox(unit * step, 0, (unit + 1) * step, ppru_.innerHeight(), colour);
    ppru_.refresh();
}

void BoardPainter::clearProgress() {
    ppru_.clear();
    ppru_.refresh();
}

void BoardPainter::drawScore(const GameWindow& game, int p1, int p2) {
    const double split = drawScoreBar(picture1_, p1, p2, game.HR1.BackColor, game.HR2.BackColor, game.BoardW);
    if (p1 + p2 > 0) scoreSplit_ = split;
}

void BoardPainter::drawWinnerFigure(const GameWindow& game, int player) {
    Figure figure;
    if (player == 1 || player == 2) figure = figureOf(game.looksOf(player), game.PcLevel[static_cast<std::size_t>(player)]);
    DRWP2(picture6_, 0, 0, figure, 0.75 * picture6_.innerWidth(), false, densityOf(game.FigureDetail), random_);
}

}  // namespace tallowen
