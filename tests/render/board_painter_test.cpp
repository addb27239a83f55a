#include <gtest/gtest.h>

#include "painted_game.h"
#include "pixels.h"
#include "render/figure_painter.h"

namespace tallowen {
namespace {

using test::grey;
using test::PaintedGame;
using test::pixelAt;

constexpr Colour kOrange = rgb(255, 128, 0);
constexpr Colour kBlue = rgb(0, 127, 225);

// 5 x 5: player 1 in the middle, player 2 diagonally below it. At inner height 500 the board is
// 495 x 371, cells 99 x 74.25.
const std::string kFive = std::string("XXXXX") + "XXXXX" + "XX+XX" + "XXX-X" + "XXXXX" + "1";

bool sameCell(const QImage& a, const QImage& b, const GameWindow& g, int x, int y) {
    for (int py = static_cast<int>(y * g.CellH); py < static_cast<int>((y + 1) * g.CellH); ++py)
        for (int px = static_cast<int>(x * g.CellW); px < static_cast<int>((x + 1) * g.CellW); ++px)
            if (a.pixel(px, py) != b.pixel(px, py)) return false;
    return true;
}

TEST(BoardPainter, AFullRedrawLaysOutFourByThreeCellsOnTheBoardArea) {
    PaintedGame p;
    p.start(kFive);
    EXPECT_EQ(p.painter.PL().innerWidth(), 495);
    EXPECT_EQ(p.painter.PL().innerHeight(), 371);
    EXPECT_DOUBLE_EQ(p.game.BoardW, 495);
    EXPECT_DOUBLE_EQ(p.game.CellW, 99);
    EXPECT_DOUBLE_EQ(p.game.CellH, 74.25);
    EXPECT_EQ(p.painter.boardLayout().lineWidths, (std::array<int, 3>{12, 6, 1}));
    EXPECT_NE(pixelAt(p.painter.PL(), 2 * 99 + 50, 2 * 74.25 + 37), grey(142)) << "the piece is drawn";
    p.painter.clearBoard();
    EXPECT_EQ(pixelAt(p.painter.PL(), 2 * 99 + 50, 2 * 74.25 + 37), kBlack);
}

TEST(BoardPainter, AHoleIsBlackFromOnePixelInsideItsCell) {
    PaintedGame p;
    p.start(std::string("X0X") + "+X-" + "XXX" + "1");  // cells 165 x 123.75
    ImageSurface& pl = p.painter.PL();
    pl.filledBox(0, 0, pl.innerWidth() - 1, pl.innerHeight() - 1, kWhite);
    p.game.DRWP(1, 0);
    EXPECT_EQ(pixelAt(pl, 166, 1), kBlack);
    EXPECT_EQ(pixelAt(pl, 247, 60), kBlack);
    EXPECT_EQ(pixelAt(pl, 329, 123), kBlack);
    EXPECT_EQ(pixelAt(pl, 165, 60), kWhite);
    EXPECT_EQ(pixelAt(pl, 330, 60), kWhite);
    EXPECT_EQ(pixelAt(pl, 200, 124), kWhite);
}

TEST(BoardPainter, AnEmptySquareIsTheBareBoardSquareEvenBetweenComputerPlayers) {
    PaintedGame p;
    p.start(kFive, "PC Genius", "PC Genius");
    ASSERT_EQ(p.game.PcLevel[1], 3);
    ImageSurface reference(p.painter.PL().innerWidth(), p.painter.PL().innerHeight(), kBlack);
    RandomSource random(1);
    DRWP2(reference, 0, 0, Figure{kNoFigure, rgb(191, 191, 191), 0}, p.game.CellH, true, 2, random);
    EXPECT_TRUE(sameCell(reference.image(), p.painter.PL().image(), p.game, 0, 0));
    // Bevel from inset 4.95, white outlines at 11.375 and 13.375 around the dark rim at 12.375.
    EXPECT_EQ(pixelAt(p.painter.PL(), 3, 37), kBlack);
    EXPECT_EQ(pixelAt(p.painter.PL(), 7, 37), grey(127));
    EXPECT_EQ(pixelAt(p.painter.PL(), 11, 37), kWhite);
    EXPECT_EQ(pixelAt(p.painter.PL(), 12, 37), grey(64));
    EXPECT_EQ(pixelAt(p.painter.PL(), 13, 37), kWhite);
    // A computer's piece does show its face.
    ImageSurface plain(p.painter.PL().innerWidth(), p.painter.PL().innerHeight(), kBlack);
    DRWP2(plain, 2, 2, Figure{kRectangle, kOrange, 0}, p.game.CellH, true, 2, random);
    EXPECT_FALSE(sameCell(plain.image(), p.painter.PL().image(), p.game, 2, 2));
}

TEST(BoardPainter, TargetMarksColourTheFramesAndClearingRestoresThePlainSquare) {
    PaintedGame p;
    p.start(kFive);
    ImageSurface& pl = p.painter.PL();
    // Band insets 5 ... 13 (from 4.95 to 13.375), outlines at 11 and 13.
    const auto band = [&](int x, int y) { return pixelAt(pl, x * 99 + 7, y * 74.25 + 37); };
    const auto outline = [&](int x, int y) { return pixelAt(pl, x * 99 + 11, y * 74.25 + 37); };
    const auto outerOutline = [&](int x, int y) { return pixelAt(pl, x * 99 + 13, y * 74.25 + 37); };

    p.game.PLKlik(2, 2);
    EXPECT_EQ(band(1, 1), kWhite) << "grow target: band in the mark colour";
    EXPECT_EQ(outline(1, 1), kWhite);
    EXPECT_EQ(band(0, 0), kOrange) << "jump target: band in the player's colour";
    EXPECT_EQ(outline(0, 0), kWhite);
    EXPECT_EQ(band(3, 3), grey(127)) << "an occupied neighbour is no target";
    EXPECT_EQ(outline(3, 3), kWhite);
    EXPECT_EQ(p.game.marks(3, 3), kNoMark);

    p.game.PLKlik(2, 2);  // deselect
    for (auto [x, y] : {std::pair{1, 1}, std::pair{0, 0}, std::pair{4, 4}, std::pair{2, 0}}) {
        EXPECT_EQ(band(x, y), grey(127)) << x << "," << y;
        EXPECT_EQ(outline(x, y), kWhite) << x << "," << y;
        EXPECT_EQ(outerOutline(x, y), kWhite) << x << "," << y;
    }
}

TEST(BoardPainter, PlayerTwosPanelFigureEndsFlushWithTheRightEdge) {
    for (double height : {300.0, 517.0, 700.0, 936.0, 1111.0}) {
        PaintedGame p(height);
        p.game.HR2.Caption = "1";
        p.game.HR2.BackColor = kOrange;
        p.start(kFive);
        ImageSurface& panel = p.painter.Picture5();
        const int Wp = panel.innerWidth();
        const auto [first, last] = test::coveredColumns(panel, panel.innerHeight() / 2, kBlack);
        EXPECT_NEAR(first, Wp - 1 - last, 1) << height;
        EXPECT_GT(first, 0) << height;
    }
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

    EXPECT_EQ(pixelAt(bar, 0, mid), kOrange);
    EXPECT_EQ(pixelAt(bar, 100, 0), kOrange) << "the fades leave a rim of the full colour";
    EXPECT_EQ(pixelAt(bar, SW - 1, 1), kBlue);
    EXPECT_LE(redOf(pixelAt(bar, SW - 1, mid)), 20) << "player 2's fade starts from the right edge";
    EXPECT_EQ(pixelAt(bar, 420, 0), kBlue);
    for (Colour c : {pixelAt(bar, split - 5, mid), pixelAt(bar, split + 2, mid)}) {
        EXPECT_GE(greenOf(c), 240);
        EXPECT_GE(redOf(c), 240);
    }
    for (int x = 1; x < static_cast<int>(split); ++x) {
        ASSERT_GE(greenOf(pixelAt(bar, x, mid)), greenOf(pixelAt(bar, x - 1, mid))) << x;
        ASSERT_GE(blueOf(pixelAt(bar, x, mid)), blueOf(pixelAt(bar, x - 1, mid))) << x;
    }
    for (int x = static_cast<int>(split) + 12; x < SW; ++x)
        ASSERT_LE(redOf(pixelAt(bar, x, mid)), redOf(pixelAt(bar, x - 1, mid))) << x;

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
    EXPECT_TRUE(sameCell(before, after, p.game, 4, 1));
}

TEST(BoardPainter, TheWinnersFigureAndTheProgressStrip) {
    PaintedGame p;
    p.start(kFive);
    ImageSurface& figure = p.painter.Picture6();
    p.painter.drawWinnerFigure(p.game, 2);
    EXPECT_NE(test::coveredColumns(figure, figure.innerHeight() / 2, kBlack).first, -1);
    p.painter.drawWinnerFigure(p.game, 0);
    for (int y = 0; y < figure.innerHeight(); ++y)
        ASSERT_EQ(test::coveredColumns(figure, y, kBlack).first, -1) << "a tie shows no figure";

    ImageSurface& strip = p.painter.PPru();
    p.painter.setProgressScale(10);
    p.painter.fillProgress(3, kOrange);
    const int unit = strip.innerWidth() / 10;
    EXPECT_EQ(pixelAt(strip, 3 * unit + unit / 2, 2), kOrange);
    EXPECT_EQ(pixelAt(strip, 5 * unit, 2), kBlack);
    p.painter.clearProgress();
    EXPECT_EQ(pixelAt(strip, 3 * unit + unit / 2, 2), kBlack);
    p.painter.setProgressScale(0);  // a one-cell field
    p.painter.fillProgress(0, kOrange);
    EXPECT_EQ(pixelAt(strip, strip.innerWidth() - 1, 2), kOrange);
}

}  // namespace
}  // namespace tallowen
