#include <gtest/gtest.h>

#include "render/board_geometry.h"
#include "render/upper_panel.h"
#include "render/window_layout.h"
#include "render/window_size.h"

namespace tallowen {
namespace {

LayoutInput fullHd(double innerHeight, double twipsPerPixel = 15) {
    LayoutInput in = onDesignScreen(innerHeight);
    in.twipsPerPixelX = in.twipsPerPixelY = twipsPerPixel;
    return in;
}

TEST(WindowLayout, TheBoardAreaTakesTheHeightTheFixedPartsLeaveAtFourToThreeAndTheWindowStaysCentred) {
    const WindowLayout l = Rozmery(fullHd(936)), small = Rozmery(fullHd(800)), dense = Rozmery(fullHd(936, 12));
    EXPECT_DOUBLE_EQ(936 - l.PLNP.Height, 129);
    EXPECT_DOUBLE_EQ(l.PLNP.Width * 3, l.PLNP.Height * 4);
    EXPECT_DOUBLE_EQ(l.PLNP.Top, 34 + 38 + 14);
    EXPECT_DOUBLE_EQ(l.Picture1.Top, l.PLNP.bottom() + 14);
    for (const PixelRect* panel : {&l.Picture1, &l.Picture5}) {
        EXPECT_DOUBLE_EQ(panel->Width, l.PLNP.Width);
        EXPECT_DOUBLE_EQ(panel->Left, l.PLNP.Left);
    }
    EXPECT_DOUBLE_EQ(l.Width, (l.Image6.right() + 4) * 15);
    EXPECT_DOUBLE_EQ(l.Height, 936 * 15);
    EXPECT_DOUBLE_EQ(2 * l.Picture3.Left + l.Picture3.Width, l.PLNP.Width);
    EXPECT_DOUBLE_EQ(2 * l.Picture3.Top + l.Picture3.Height, l.PLNP.Height);
    EXPECT_DOUBLE_EQ(thinkingPanelLeft(l, 2), 9 * thinkingPanelLeft(l, 1));
    // Centred above the task bar at any height, in twips of the screen's size.
    for (const WindowLayout* w : {&l, &small}) {
        EXPECT_DOUBLE_EQ(w->Left + w->Width / 2, 1920 * 15 / 2.0);
        EXPECT_DOUBLE_EQ(w->Top + w->Height / 2, (1080 - 32) * 15 / 2.0);
    }
    EXPECT_DOUBLE_EQ(dense.Width, l.Width / 15 * 12);
    EXPECT_DOUBLE_EQ(dense.Left, (1920 * 12 - dense.Width) / 2);
}

TEST(BoardGeometry, CellsAreFourByThreeAndMarkerWidthsRoundHalvesToEven) {
    const BoardLayout l = boardLayout(1076, 807, 7);
    EXPECT_DOUBLE_EQ(l.geometry.CellW * 7, 1076);
    EXPECT_DOUBLE_EQ(l.geometry.CellH, l.geometry.CellW * 0.75);
    EXPECT_DOUBLE_EQ(boardLayout(400, 300, 0).geometry.CellW, 400) << "no side is taken as one";
    EXPECT_EQ(boardLayout(20, 15, 1).lineWidths, (std::array<int, 3>{2, 1, 1}));  // 2.5, 1.25
    EXPECT_EQ(boardLayout(28, 21, 1).lineWidths, (std::array<int, 3>{4, 2, 1}));  // 3.5, 1.75
}

TEST(UpperPanel, NamesSitBetweenTheFiguresAndTheSecondFigureEndsAtTheRightEdge) {
    const double Wp = 777.5, Wc = 38.0 / 3 * 4;
    const UpperPanel p = upperPanel(Wp, 38);
    EXPECT_DOUBLE_EQ(p.Label5Left, Wc);
    EXPECT_NEAR(p.Label6Left + p.Label6Width, Wp - Wc, 1e-9);
    EXPECT_NEAR(p.figure2Column * Wc + Wc, Wp, 1e-9);
}

// On a 1080-pixel screen the window starts 936 pixels high, too big to grow, and goes in steps
// of 144; at 900 it may grow again, below 564 it may shrink no more.
TEST(WindowSize, TheWindowStartsTooBigToGrowAndShrinksInStepsUntilTooSmall) {
    const double screen = 1080;
    EXPECT_DOUBLE_EQ(startWindowHeight(screen), 936);
    EXPECT_EQ(windowSizeCommands(936, screen), (WindowSizeCommands{true, false}));
    EXPECT_DOUBLE_EQ(smallerWindowHeight(936, screen), 792);
    EXPECT_DOUBLE_EQ(biggerWindowHeight(504, screen), 648);
    EXPECT_TRUE(windowSizeCommands(900, screen).bigger);
    EXPECT_TRUE(windowSizeCommands(564, screen).smaller);
    EXPECT_FALSE(windowSizeCommands(563.9, screen).smaller);
}

}  // namespace
}  // namespace tallowen
