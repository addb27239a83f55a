#include <gtest/gtest.h>

#include "engine/game_window.h"
#include "engine/headless_game.h"
#include "render/board_painter.h"
#include "render/figure_painter.h"

namespace tallowen {
namespace {

constexpr Colour kOrange = rgb(255, 128, 0);
constexpr Colour kBlue = rgb(0, 127, 225);
constexpr Colour kGrey = rgb(127, 127, 127);

// 5 x 5: player 1 in the middle, player 2 diagonally below it. At inner height 500 the board is
// 495 x 371, cells 99 x 74.25.
const std::string kFive = std::string("XXXXX") + "XXXXX" + "XX+XX" + "XXX-X" + "XXXXX" + "1";

// A game drawing into a BoardPainter, started the way the setup window starts it.
struct PaintedGame {
    explicit PaintedGame(double innerHeight = 500) : painter(Rozmery(onDesignScreen(innerHeight)), random) {}
    void start(const std::string& field, const std::string& p1 = "Eva", const std::string& p2 = "Adam") {
        headless.start(MoveRule::Star, field, p1, p2);
    }
    RandomSource random{1};
    BoardPainter painter;
    HeadlessGame headless{nullptr, &painter};
    GameWindow& game = headless.game();
};

bool sameCell(const QImage& a, const QImage& b, const GameWindow& g, int x, int y) {
    const QRect cell(QPoint(static_cast<int>(x * g.CellW), static_cast<int>(y * g.CellH)),
                     QPoint(static_cast<int>((x + 1) * g.CellW) - 1, static_cast<int>((y + 1) * g.CellH) - 1));
    return a.copy(cell) == b.copy(cell);
}

TEST(BoardPainter, AHoleIsBlackFromOnePixelInsideItsCell) {
    PaintedGame p;
    p.start(std::string("X0X") + "+X-" + "XXX" + "1");  // cells 165 x 123.75
    ImageSurface& pl = p.painter.PL();
    pl.filledBox(0, 0, pl.innerWidth() - 1, pl.innerHeight() - 1, kWhite);
    p.game.DRWP(1, 0);
    for (auto [x, y] : {std::pair{166, 1}, {329, 123}}) EXPECT_EQ(pl.point(x, y), kBlack) << x << "," << y;
    for (auto [x, y] : {std::pair{165, 60}, {330, 60}, {200, 124}}) EXPECT_EQ(pl.point(x, y), kWhite) << x << "," << y;
}

TEST(BoardPainter, EmptySquaresAreBareEvenBetweenComputersWhosePiecesShowTheirFace) {
    PaintedGame p;
    p.start(kFive, "PC Genius", "PC Genius");
    ASSERT_EQ(p.game.PcLevel[1], 3);
    const QImage board = p.painter.PL().image();
    ImageSurface bare(board.width(), board.height(), kBlack), faceless(board.width(), board.height(), kBlack);
    DRWP2(bare, 0, 0, Figure{kNoFigure, rgb(191, 191, 191), 0}, p.game.CellH, true, 2, p.random);
    DRWP2(faceless, 2, 2, Figure{kRectangle, kOrange, 0}, p.game.CellH, true, 2, p.random);
    EXPECT_TRUE(sameCell(bare.image(), board, p.game, 0, 0));
    EXPECT_FALSE(sameCell(faceless.image(), board, p.game, 2, 2));
}

TEST(BoardPainter, TargetMarksColourTheFramesAndClearingRestoresThePlainSquare) {
    PaintedGame p;
    p.start(kFive);
    ImageSurface& pl = p.painter.PL();
    // At inset 7 the band (4.95 ... 13.375), at 11 and 13 the outlines.
    const auto at = [&](int x, int y, int inset) { return pl.point(x * 99 + inset, y * 74.25 + 37); };
    p.game.PLKlik(2, 2);
    EXPECT_EQ(at(1, 1, 7), kWhite) << "grow target: band in the mark colour";
    EXPECT_EQ(at(0, 0, 7), kOrange) << "jump target: band in the player's colour";
    EXPECT_EQ(at(3, 3, 7), kGrey) << "an occupied neighbour is no target";
    for (auto [x, y] : {std::pair{1, 1}, {0, 0}, {3, 3}}) EXPECT_EQ(at(x, y, 11), kWhite) << x << "," << y;

    p.game.PLKlik(2, 2);  // deselect
    for (auto [x, y] : {std::pair{1, 1}, {0, 0}}) {
        EXPECT_EQ(at(x, y, 7), kGrey) << x << "," << y;
        EXPECT_EQ(at(x, y, 11), kWhite) << x << "," << y;
        EXPECT_EQ(at(x, y, 13), kWhite) << x << "," << y;
    }
}

TEST(BoardPainter, PlayerTwosPanelFigureEndsFlushWithTheRightEdge) {
    PaintedGame p(517);  // a height whose panel width is fractional
    p.game.HR2.Caption = "1";
    p.game.HR2.BackColor = kOrange;
    p.start(kFive);
    ImageSurface& panel = p.painter.Picture5();
    int first = -1, last = -1;
    for (int x = 0; x < panel.innerWidth(); ++x)
        if (panel.point(x, panel.innerHeight() / 2) != kBlack) {
            if (first < 0) first = x;
            last = x;
        }
    EXPECT_GT(first, 0);
    EXPECT_NEAR(first, panel.innerWidth() - 1 - last, 1);
}

TEST(BoardPainter, TheScoreBarFadesEachPlayersPartToWhiteAtTheSplit) {
    PaintedGame p;
    p.start(kFive);
    ImageSurface& bar = p.painter.Picture1();
    const int SW = bar.innerWidth(), mid = bar.innerHeight() / 2;
    ASSERT_EQ(SW, 495);
    p.painter.drawScore(p.game, 30, 10);
    const double split = 2 + (SW - 4) * 0.75;
    EXPECT_DOUBLE_EQ(p.painter.scoreSplit(), split);
    EXPECT_EQ(bar.point(100, 0), kOrange) << "the fades leave a rim of the full colour";
    EXPECT_EQ(bar.point(420, 0), kBlue);
    EXPECT_LE(redOf(*bar.point(SW - 1, mid)), 20) << "player 2's fade starts from the right edge";
    for (double x : {split - 5, split + 2}) EXPECT_GE(greenOf(*bar.point(x, mid)), 240) << x;
    for (int x = 1; x < static_cast<int>(split); ++x)
        ASSERT_GE(greenOf(*bar.point(x, mid)), greenOf(*bar.point(x - 1, mid))) << x;
    for (int x = static_cast<int>(split) + 12; x < SW; ++x)
        ASSERT_LE(redOf(*bar.point(x, mid)), redOf(*bar.point(x - 1, mid))) << x;
    p.painter.drawScore(p.game, 0, 0);  // a field without figures: nothing to divide
    EXPECT_DOUBLE_EQ(p.painter.scoreSplit(), split);
}

TEST(BoardPainter, SmallSquaresAndCirclesChangeOnEveryRepaintAndTheRestStays) {
    PaintedGame p;
    p.game.HR1.Caption = "4";
    p.game.HR2.Caption = "7";
    p.start(kFive);
    const QImage before = p.painter.PL().image();
    p.game.Prekr();
    const QImage after = p.painter.PL().image();
    EXPECT_FALSE(sameCell(before, after, p.game, 2, 2));
    EXPECT_FALSE(sameCell(before, after, p.game, 3, 3));
    EXPECT_TRUE(sameCell(before, after, p.game, 0, 0));
}

TEST(BoardPainter, ATieShowsNoWinnerAndAOneCellFieldFillsTheWholeStrip) {
    PaintedGame p;
    p.start(kFive);
    ImageSurface& figure = p.painter.Picture6();
    p.painter.drawWinnerFigure(p.game, 2);
    const QImage winner = figure.image();
    p.painter.drawWinnerFigure(p.game, 0);
    ImageSurface empty(figure.innerWidth(), figure.innerHeight(), kBlack);
    EXPECT_FALSE(winner == empty.image());
    EXPECT_TRUE(figure.image() == empty.image());

    ImageSurface& strip = p.painter.PPru();
    p.painter.setProgressScale(0);
    p.painter.fillProgress(0, kOrange);
    EXPECT_EQ(strip.point(strip.innerWidth() - 1, 2), kOrange);
}

TEST(BoardPainter, OnAHighDensityScreenEveryPictureIsDrawnTwiceAsFine) {
    // At inner height 429 the board is 400 x 300.
    PaintedGame plain(429), fine(429);
    fine.painter.setLayout(Rozmery(onDesignScreen(429)), 2);
    plain.start(kFive);
    fine.start(kFive);
    EXPECT_DOUBLE_EQ(fine.game.CellW, 2 * plain.game.CellW);
    for (auto picture : {&BoardPainter::PL, &BoardPainter::Picture5, &BoardPainter::Picture1, &BoardPainter::PPru,
                         &BoardPainter::Picture6}) {
        EXPECT_EQ((fine.painter.*picture)().innerWidth(), 2 * (plain.painter.*picture)().innerWidth());
        EXPECT_EQ((fine.painter.*picture)().innerHeight(), 2 * (plain.painter.*picture)().innerHeight());
    }
    EXPECT_EQ(fine.painter.PL().point(2 * 200, 2 * 150), plain.painter.PL().point(200, 150));
}

}  // namespace
}  // namespace tallowen
