#include "setup/figure_selection.h"

#include <gtest/gtest.h>

#include "engine/virtual_clock.h"

namespace tallowen {
namespace {

TEST(FigureSelectionTest, SliderMovementsWithinHalfASecondRepaintThePreviewOnce) {
    FigureSelection vyb;
    VirtualClock clock;
    clock.attach(vyb.Timer1);
    vyb.setFaceOf([](int player) { return FigureSelection::Face{player == 0 ? 3 : 0, player == 0}; });
    vyb.figur(0, {rgb(0, 127, 225), kBlack, "5"});
    const int before = vyb.Picture2.revision;
    for (int level : {1, 2, 3}) {
        vyb.VScroll1_Change(0, level);
        clock.advance(150);
    }
    EXPECT_EQ(vyb.Picture2.revision, before);
    clock.advance(50);
    EXPECT_EQ(vyb.Picture2.revision, before + 1);
    EXPECT_EQ(vyb.Picture2.colour, rgb(75, 135, 255));
    EXPECT_EQ(vyb.Picture2.level, 3);
    EXPECT_TRUE(vyb.Picture2.framed);
    clock.advance(2000);
    EXPECT_EQ(vyb.Picture2.revision, before + 1);
}

TEST(FigureSelectionTest, TheStrongestComponentsChooseTheMarkColourAndTheCursorPicture) {
    struct Row {
        int r, g, b;
        Colour mark;
        int person, computer;
    };
    for (const Row& row : {Row{0, 2, 4, rgb(255, 127, 127), 0, 6}, Row{4, 2, 0, rgb(127, 127, 255), 1, 7},
                           Row{1, 3, 1, rgb(255, 127, 255), 2, 8}, Row{3, 0, 3, rgb(0, 255, 0), 3, 9},
                           Row{2, 2, 4, rgb(255, 255, 0), 4, 10}, Row{4, 1, 1, rgb(0, 255, 255), 5, 11},
                           Row{2, 2, 2, rgb(191, 191, 191), 12, 14}}) {
        EXPECT_EQ(markAndCursor(row.r, row.g, row.b, false), (MarkAndCursor{row.mark, row.person}));
        EXPECT_EQ(markAndCursor(row.r, row.g, row.b, true), (MarkAndCursor{row.mark, row.computer}));
    }
    // Two equal strongest components beat a weaker third only as the table's pairs.
    EXPECT_EQ(markAndCursor(0, 0, 1, false).cursor, 4);
    EXPECT_EQ(markAndCursor(1, 0, 0, false).cursor, 5);
}

}  // namespace
}  // namespace tallowen
