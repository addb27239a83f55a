#include <gtest/gtest.h>

#include "render/board_geometry.h"
#include "render/upper_panel.h"
#include "render/window_layout.h"

namespace tallowen {
namespace {

LayoutInput fullHd(double innerHeight, double twipsPerPixel = 15) {
    LayoutInput in;
    in.innerHeight = innerHeight;
    in.screenWidth = 1920;
    in.screenHeight = 1080;
    in.twipsPerPixelX = in.twipsPerPixelY = twipsPerPixel;
    return in;
}

TEST(WindowLayout, TheBoardAreaTakesTheHeightTheFixedPartsLeaveAtFourToThree) {
    const WindowLayout l = Rozmery(fullHd(936));
    EXPECT_DOUBLE_EQ(936 - l.PLNP.Height, 129);
    EXPECT_DOUBLE_EQ(l.PLNP.Width, 1076);
    EXPECT_DOUBLE_EQ(l.PLNP.Top, 34 + 38 + 14);
    EXPECT_DOUBLE_EQ(l.Picture1.Top, l.PLNP.bottom() + 14);
    EXPECT_DOUBLE_EQ(l.Picture1.Width, l.PLNP.Width);
    EXPECT_DOUBLE_EQ(l.Picture5.Width, l.PLNP.Width);
    EXPECT_DOUBLE_EQ(l.Picture5.Left, l.PLNP.Left);
    EXPECT_DOUBLE_EQ(l.Picture1.Left, l.PLNP.Left);

    EXPECT_DOUBLE_EQ(l.Image3.Height, l.Picture1.bottom() - l.Picture5.Top);
    EXPECT_DOUBLE_EQ(l.Image3.Width * 637, l.Image3.Height * 144);
    EXPECT_DOUBLE_EQ(l.PLNP.Left, 4 + l.Image3.Width + 11);
    EXPECT_DOUBLE_EQ(l.Image5.Left, l.Image3.right());
    EXPECT_DOUBLE_EQ(l.Image7.Left, l.PLNP.Left);
    EXPECT_DOUBLE_EQ(l.Image6.Left, l.PLNP.right());
    EXPECT_DOUBLE_EQ(l.Image6.Height, l.Image5.Height - 5);
    EXPECT_DOUBLE_EQ(l.Image8.Top, l.Picture1.bottom());
    EXPECT_DOUBLE_EQ(l.Image14.Top, l.PLNP.bottom());

    const double Wf = l.Image6.right() + 4;
    EXPECT_DOUBLE_EQ(l.Width, Wf * 15);
    EXPECT_DOUBLE_EQ(l.Height, 936 * 15);
    EXPECT_DOUBLE_EQ(l.Picture11.Width, Wf - 4);
    EXPECT_DOUBLE_EQ(l.Picture4.Width, Wf - 4);
    const double Wt = l.Picture11.Width;
    EXPECT_EQ(l.Picture12Left, (std::array<double, 7>{Wt - 24, Wt - 75, Wt - 48, Wt - 177, Wt - 153, Wt - 126, Wt - 99}));
    EXPECT_DOUBLE_EQ(l.Lin[2].Y1, 935);
    EXPECT_DOUBLE_EQ(l.Lin[3].X1, Wf - 1);

    EXPECT_DOUBLE_EQ(2 * l.Picture3.Left + l.Picture3.Width, l.PLNP.Width);
    EXPECT_DOUBLE_EQ(2 * l.Picture3.Top + l.Picture3.Height, l.PLNP.Height);
    EXPECT_DOUBLE_EQ(l.Picture9.Top, (l.PLNP.Height - l.Picture9.Height) / 12);
    EXPECT_DOUBLE_EQ(thinkingPanelLeft(l, 2), 9 * thinkingPanelLeft(l, 1));
    EXPECT_DOUBLE_EQ(l.Label6Left * 3, l.Label6Width);
    EXPECT_DOUBLE_EQ(l.Label5Width * 1.5, l.Picture1.Width);
}

TEST(WindowLayout, TheWindowStaysCentredAboveTheTaskBarAsItShrinks) {
    const WindowLayout big = Rozmery(fullHd(936));
    const WindowLayout small = Rozmery(fullHd(936 - 2.0 / 15 * 1080));
    EXPECT_LT(small.PLNP.Width, big.PLNP.Width);
    EXPECT_LT(small.Picture1.Width, big.Picture1.Width);
    EXPECT_LT(small.Width, big.Width);
    for (const WindowLayout* l : {&big, &small}) {
        EXPECT_DOUBLE_EQ(l->Left + l->Width / 2, 1920 * 15 / 2.0);
        EXPECT_DOUBLE_EQ(l->Top + l->Height / 2, (1080 - 32) * 15 / 2.0);
    }
    EXPECT_DOUBLE_EQ(big.Top, 840);

    const WindowLayout dense = Rozmery(fullHd(936, 12));
    EXPECT_DOUBLE_EQ(dense.Width, big.Width / 15 * 12);
    EXPECT_DOUBLE_EQ(dense.Left, (1920 * 12 - dense.Width) / 2);
}

TEST(BoardGeometry, CellsAreFourByThreeAndShrinkAsTheSideGrows) {
    double previous = 1e9;
    for (int side = 1; side <= 16; ++side) {
        const BoardLayout l = boardLayout(1076, 807, side);
        EXPECT_DOUBLE_EQ(l.geometry.CellW * side, 1076) << side;
        EXPECT_DOUBLE_EQ(l.geometry.CellH, l.geometry.CellW * 0.75) << side;
        EXPECT_LT(l.geometry.CellW, previous);
        EXPECT_DOUBLE_EQ(l.shapeWidth, 1076.0 / side);
        EXPECT_DOUBLE_EQ(l.shapeHeight, 807.0 / side);
        previous = l.geometry.CellW;
    }
    EXPECT_DOUBLE_EQ(boardLayout(400, 300, 0).geometry.CellW, 400) << "no side is taken as one";
}

TEST(BoardGeometry, MarkerLineWidthsRoundHalvesToEven) {
    EXPECT_EQ(boardLayout(20, 15, 1).lineWidths, (std::array<int, 3>{2, 1, 1}));  // 2.5, 1.25
    EXPECT_EQ(boardLayout(28, 21, 1).lineWidths, (std::array<int, 3>{4, 2, 1}));  // 3.5, 1.75
    EXPECT_EQ(boardLayout(36, 27, 1).lineWidths, (std::array<int, 3>{4, 2, 1}));  // 4.5, 2.25
}

TEST(UpperPanel, NamesSitBetweenTheFiguresAndTheSecondFigureEndsAtTheRightEdge) {
    for (double Wp : {404.0, 1076.0, 777.5}) {
        const UpperPanel p = upperPanel(Wp, 38);
        const double Wc = 38.0 / 3 * 4;
        EXPECT_DOUBLE_EQ(p.cellHeight, 38);
        EXPECT_DOUBLE_EQ(p.Label5Left, Wc);
        EXPECT_DOUBLE_EQ(p.Label5Width, Wp / 2 - 2 * Wc);
        EXPECT_DOUBLE_EQ(p.Label6Left, Wp / 2 - Wc);
        EXPECT_NEAR(p.Label6Left + p.Label6Width, Wp - Wc, 1e-9);
        EXPECT_NEAR(p.figure2Column * Wc + Wc, Wp, 1e-9);
    }
}

}  // namespace
}  // namespace tallowen
