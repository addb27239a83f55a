#include "setup/field_editor.h"

#include <gtest/gtest.h>

#include "records/setting_paths.h"
#include "setup/built_in_fields.h"
#include "setup/editor_geometry.h"
#include "../records/temp_dir.h"

namespace tallowen {
namespace {

using testing::TempDir;
using Cells = std::vector<FieldEditor::Cell>;

// A 7 x 7 drawing area of 700 x 525 pixels: cell (x, y) has its centre at (100x + 50, 75y + 37).
constexpr double kW = 700, kH = 525;

FieldEditor editorWith(const std::string& field) {
    FieldEditor e;
    e.EDM(field);
    return e;
}

const std::string kSeven = std::string(48, 'X') + "0";  // 7 x 7, all empty but the last

TEST(FieldEditorTest, LoadingReadsTheFieldAndResetsTheRest) {
    const std::string original = builtInFields()[0].field;
    FieldEditor e = editorWith(original);
    EXPECT_EQ(e.Text2, "11");
    EXPECT_EQ(e.fieldString(), original);
    EXPECT_EQ(e.cell(0, 0), kEditorPlayer1);
    EXPECT_EQ(e.cell(10, 0), kEditorPlayer2);
    EXPECT_EQ(e.cell(20, 20), kEditorEmpty);  // outside the field

    e.brush = kEditorHole;
    e.picEdit_MouseDown(kLeftButton, 5, 5, kW, kH);
    e.EDM("+--X");  // too small: held to 6, the rest empty
    EXPECT_EQ(e.Text2, "6");
    EXPECT_EQ(e.brush, kEditorEmpty);
    EXPECT_EQ(e.fieldString(), "+-XXXX" "-XXXXX" + std::string(24, 'X'));
    // An unknown character repeats the cell before it.
    e.EDM("0+?X" + std::string(32, 'X'));
    EXPECT_EQ(e.cell(2, 0), kEditorPlayer1);
}

TEST(FieldEditorTest, ShrinkingKeepsTheHiddenCellsForGrowingBack) {
    FieldEditor e = editorWith(builtInFields()[0].field);
    e.HScroll1_Change(0);
    EXPECT_EQ(e.Text2, "10");
    EXPECT_EQ(e.HScroll1, 1);
    const std::string shrunk = e.fieldString();
    ASSERT_EQ(shrunk.size(), 100u);
    EXPECT_EQ(shrunk.substr(0, 10), "+XXXXXXXXX");
    EXPECT_EQ(shrunk.substr(90), "XXXXXXXXXX");
    e.HScroll1_Change(2);
    EXPECT_EQ(e.fieldString(), builtInFields()[0].field);
}

TEST(FieldEditorTest, TheSideStaysWithinSixToFifteen) {
    FieldEditor e = editorWith(kSeven);
    for (int i = 0; i < 5; ++i) e.HScroll1_Change(0);
    EXPECT_EQ(e.Text2, "6");
    for (int i = 0; i < 12; ++i) e.HScroll1_Change(2);
    EXPECT_EQ(e.Text2, "15");
    e.HScroll1_Change(1);
    EXPECT_EQ(e.Text2, "15");
    e.Text2_Change("0");
    EXPECT_EQ(e.Text2, "6");
    e.Text2_Change("99");
    EXPECT_EQ(e.Text2, "15");
    e.Text2_Change("abc");
    EXPECT_EQ(e.Text2, "6");
    e.Text2_Change("9");
    EXPECT_EQ(e.side(), 9);
    EXPECT_EQ(e.fieldString().size(), 81u);
}

TEST(FieldEditorTest, TheRightButtonCyclesTheBrushAndPaintsNothing) {
    FieldEditor e = editorWith(kSeven);
    const std::string before = e.fieldString();
    const int sequence[] = {kEditorPlayer1, kEditorPlayer2, kEditorHole, kEditorEmpty};
    for (int expected : sequence) {
        EXPECT_TRUE(e.picEdit_MouseDown(kRightButton, 150, 112, kW, kH).empty());
        EXPECT_EQ(e.brush, expected);
    }
    EXPECT_EQ(e.fieldString(), before);
    EXPECT_TRUE(e.picEdit_MouseDown(4, 150, 112, kW, kH).empty());  // the middle button
}

TEST(FieldEditorTest, TheLeftButtonPaintsTheCellUnderThePointer) {
    FieldEditor e = editorWith(kSeven);
    e.brush = kEditorPlayer1;
    EXPECT_EQ(e.picEdit_MouseDown(kLeftButton, 250, 187, kW, kH), (Cells{{2, 2}}));
    EXPECT_EQ(e.cell(2, 2), kEditorPlayer1);
    EXPECT_TRUE(e.picEdit_MouseDown(kLeftButton, 250, 187, kW, kH).empty());  // already painted
    // Beyond the area the pointer is held to the last cell.
    EXPECT_EQ(e.picEdit_MouseMove(kLeftButton, 900, -40, kW, kH), (Cells{{6, 0}}));
    // Moving with the right button, or both, paints nothing.
    EXPECT_TRUE(e.picEdit_MouseMove(kRightButton, 50, 37, kW, kH).empty());
    EXPECT_TRUE(e.picEdit_MouseMove(kLeftButton | kRightButton, 50, 37, kW, kH).empty());
    EXPECT_EQ(e.cell(0, 0), kEditorEmpty);
}

TEST(FieldEditorTest, MirrorPaintsThePointSymmetricCellForTheOtherPlayer) {
    FieldEditor e = editorWith(kSeven);
    e.Check1 = true;
    e.brush = kEditorPlayer1;
    EXPECT_EQ(e.picEdit_MouseDown(kLeftButton, 50, 37, kW, kH), (Cells{{0, 0}, {6, 6}}));
    EXPECT_EQ(e.cell(0, 0), kEditorPlayer1);
    EXPECT_EQ(e.cell(6, 6), kEditorPlayer2);
    EXPECT_EQ(e.brush, kEditorPlayer1);
    e.brush = kEditorHole;
    e.picEdit_MouseDown(kLeftButton, 150, 37, kW, kH);
    EXPECT_EQ(e.cell(1, 0), kEditorHole);
    EXPECT_EQ(e.cell(5, 6), kEditorHole);
    // The centre cell mirrors onto itself: the mirrored player wins.
    e.brush = kEditorPlayer2;
    e.picEdit_MouseDown(kLeftButton, 350, 262, kW, kH);
    EXPECT_EQ(e.cell(3, 3), kEditorPlayer1);
}

TEST(FieldEditorTest, AnEmptyNameBecomesNewFieldSelectedWhole) {
    FieldEditor e;
    e.Text1_Change("Arena");
    EXPECT_EQ(e.Text1, "Arena");
    e.Text1_Change("");
    EXPECT_EQ(e.Text1, "New field");
    EXPECT_EQ(e.Text1SelStart, 0);
    EXPECT_EQ(e.Text1SelLength, 100);
}

class FieldEditorSaveTest : public ::testing::Test {
protected:
    FieldEditor::SaveOutcome save(const std::string& field) {
        editor.EDM(field);
        editor.Label2 = "04";
        editor.Text1_Change("Arena");
        return editor.Command1_Click(store, library);
    }
    void expectRefusal(const std::string& field, const std::string& text) {
        const auto outcome = save(field);
        ASSERT_TRUE(outcome.refusal) << field;
        EXPECT_EQ(*outcome.refusal, (UserMessage{text, "Cannot save"}));
        EXPECT_FALSE(outcome.selection);
        EXPECT_FALSE(store.openKey(fieldKey("04")));
        EXPECT_EQ(editor.fieldString(), field);
    }

    TempDir dir;
    SettingsStore store{dir / "settings.sqlite3"};
    FieldLibrary library{store};
    FieldEditor editor;
};

TEST_F(FieldEditorSaveTest, FieldsWithoutAFreeCellOrAPlayerAreRefusedInThatOrder) {
    expectRefusal(std::string(36, '0'), "There is no free field.");
    expectRefusal(std::string(35, '+') + "-", "There is no free field.");
    expectRefusal(std::string(35, 'X') + "-", "There is no field of player 1.");
    expectRefusal(std::string(36, 'X'), "There is no field of player 1.");
    expectRefusal(std::string(35, 'X') + "+", "There is no field of player 2.");
}

TEST_F(FieldEditorSaveTest, ASavedFieldIsStoredAndOfferedByTheLibrary) {
    const std::string field = "+" + std::string(34, 'X') + "-";
    const auto outcome = save(field);
    EXPECT_FALSE(outcome.refusal);
    EXPECT_EQ(storedText(store.ReadSetting(fieldKey("04"), "")), "Arena");
    EXPECT_EQ(storedText(store.ReadSetting(fieldKey("04"), "Mapa")), field);
    EXPECT_EQ(library.List1.back(), "Arena");
    EXPECT_EQ(library.List3.back(), field);
    EXPECT_EQ(outcome.selection->Label2, "Tallowen - Original");
    // Saving "Original" unchanged stores its 121 characters.
    save(builtInFields()[0].field);
    EXPECT_EQ(storedText(store.ReadSetting(fieldKey("04"), "Mapa")), builtInFields()[0].field);
}

TEST(EditorGeometryTest, CellBoxesAndTheirLook) {
    const EditorCellDrawing hole = DRWP3(kEditorHole, 2, 3, 10, 801, 601);
    EXPECT_DOUBLE_EQ(hole.left, 160);
    EXPECT_DOUBLE_EQ(hole.top, 180);
    EXPECT_DOUBLE_EQ(hole.right, 239);
    EXPECT_DOUBLE_EQ(hole.bottom, 239);
    EXPECT_FALSE(hole.square);

    const EditorCellDrawing empty = DRWP3(kEditorEmpty, 0, 0, 10, 801, 601);
    EXPECT_TRUE(empty.square);
    EXPECT_EQ(empty.figureCode, "");
    EXPECT_DOUBLE_EQ(empty.cellHeight, 60.1);

    const EditorCellDrawing one = DRWP3(kEditorPlayer1, 9, 9, 10, 801, 601);
    EXPECT_EQ(one.figureCode, "8");
    EXPECT_EQ(one.colour, rgb(255, 127, 0));
    EXPECT_EQ(one.x, 9);
    EXPECT_DOUBLE_EQ(one.right, 799);
    EXPECT_EQ(DRWP3(kEditorPlayer2, 0, 0, 6, 100, 100).colour, rgb(0, 127, 255));

    const EditorLayout layout = editorLayout(1200);
    EXPECT_DOUBLE_EQ(layout.areaWidth, 800);
    EXPECT_DOUBLE_EQ(layout.areaHeight, 600);
    EXPECT_DOUBLE_EQ(layout.innerWidth, 808);
    EXPECT_DOUBLE_EQ(layout.innerHeight, 656);
    EXPECT_DOUBLE_EQ(layout.nameWidth, 744);
    EXPECT_DOUBLE_EQ(layout.spinnerLeft, 752);
    EXPECT_DOUBLE_EQ(layout.sideLeft, 768);
}

}  // namespace
}  // namespace tallowen
