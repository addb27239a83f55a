#include "setup/field_editor.h"

#include <gtest/gtest.h>

#include "setup/editor_geometry.h"
#include "setup/built_in_fields.h"

namespace tallowen {
namespace {

using Cells = std::vector<FieldEditor::Cell>;

// A 7 x 7 drawing area of 700 x 525 pixels: cell (x, y) has its centre at (100x + 50, 75y + 37).
constexpr double kW = 700, kH = 525;
const std::string kSeven = std::string(48, 'X') + "0";

FieldEditor editorWith(const std::string& field) {
    FieldEditor e;
    e.EDM(field);
    return e;
}

TEST(FieldEditorTest, TheSideStaysWithinSixToFifteenAndHiddenCellsComeBack) {
    FieldEditor e = editorWith("+--X");  // too small: held to 6, the rest empty
    EXPECT_EQ(e.fieldString(), "+-XXXX-XXXXX" + std::string(24, 'X'));
    e = editorWith(builtInFields()[0].field);
    EXPECT_EQ(e.Text2, "11");
    e.HScroll1_Change(0);
    EXPECT_EQ(e.fieldString().substr(0, 10), "+XXXXXXXXX");
    EXPECT_EQ(e.HScroll1, 1);
    e.HScroll1_Change(2);
    EXPECT_EQ(e.fieldString(), builtInFields()[0].field);

    for (auto [typed, side] : {std::pair{"abc", "6"}, {"9", "9"}}) {
        e.Text2_Change(typed);
        EXPECT_EQ(e.Text2, side) << typed;
    }
    EXPECT_EQ(e.fieldString().size(), 81u);
}

TEST(FieldEditorTest, TheRightButtonTakesTheNextBrushAndTheLeftOnePaintsMirroredOnRequest) {
    FieldEditor e = editorWith(kSeven);
    for (int expected : {kEditorPlayer1, kEditorPlayer2, kEditorHole, kEditorEmpty, kEditorPlayer1}) {
        EXPECT_TRUE(e.picEdit_MouseDown(kRightButton, 150, 112, kW, kH).empty());
        EXPECT_EQ(e.brush, expected);
    }
    EXPECT_EQ(e.fieldString(), kSeven);
    EXPECT_EQ(e.picEdit_MouseDown(kLeftButton, 250, 187, kW, kH), (Cells{{2, 2}}));
    EXPECT_EQ(e.cell(2, 2), kEditorPlayer1);
    EXPECT_TRUE(e.picEdit_MouseDown(kLeftButton, 250, 187, kW, kH).empty());  // already painted
    EXPECT_EQ(e.picEdit_MouseMove(kLeftButton, 900, -40, kW, kH), (Cells{{6, 0}}));  // held to the area
    EXPECT_TRUE(e.picEdit_MouseMove(kLeftButton | kRightButton, 50, 37, kW, kH).empty());

    // Mirror paints the point-symmetric cell for the other player.
    e.Check1 = true;
    e.brush = kEditorHole;
    EXPECT_EQ(e.picEdit_MouseDown(kLeftButton, 150, 37, kW, kH), (Cells{{1, 0}, {5, 6}}));
    EXPECT_EQ(e.cell(1, 0), kEditorHole);
    EXPECT_EQ(e.cell(5, 6), kEditorHole);
    e.brush = kEditorPlayer2;  // the centre mirrors onto itself: the mirrored player wins
    e.picEdit_MouseDown(kLeftButton, 350, 262, kW, kH);
    EXPECT_EQ(e.cell(3, 3), kEditorPlayer1);
}

// Every cell is a black box; any cell but a hole gets a board square over it, with the editor's figure
// for a player (the players' tints are checked in the editor window). The drawing area takes two
// thirds of the screen's width, at four to three.
TEST(FieldEditorTest, AnyCellButAHoleGetsASquareOnAnAreaSizedByTheScreen) {
    EXPECT_FALSE(DRWP3(kEditorHole, 2, 3, 7, 701, 526).square);
    const EditorCellDrawing empty = DRWP3(kEditorEmpty, 2, 3, 7, 701, 526);
    EXPECT_TRUE(empty.square);
    EXPECT_EQ(empty.figureCode, "");
    for (int player : {kEditorPlayer1, kEditorPlayer2}) {
        EXPECT_TRUE(DRWP3(player, 6, 0, 7, 701, 526).square);
        EXPECT_EQ(DRWP3(player, 6, 0, 7, 701, 526).figureCode, "8");
    }
    EXPECT_EQ(std::make_pair(editorLayout(1920).areaWidth, editorLayout(1920).areaHeight), std::make_pair(1280.0, 960.0));
}

}  // namespace
}  // namespace tallowen
