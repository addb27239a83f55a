#include "setup/field_editor.h"

#include <gtest/gtest.h>

#include "../records/test_store.h"
#include "records/setting_paths.h"
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

    for (int i = 0; i < 12; ++i) e.HScroll1_Change(0);
    EXPECT_EQ(e.Text2, "6");
    for (int i = 0; i < 12; ++i) e.HScroll1_Change(2);
    EXPECT_EQ(e.Text2, "15");
    for (auto [typed, side] : {std::pair{"0", "6"}, {"99", "15"}, {"abc", "6"}, {"9", "9"}}) {
        e.Text2_Change(typed);
        EXPECT_EQ(e.Text2, side) << typed;
    }
    EXPECT_EQ(e.fieldString().size(), 81u);
}

TEST(FieldEditorTest, TheRightButtonTakesTheNextBrushAndTheLeftOnePaints) {
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
}

TEST(FieldEditorTest, MirrorPaintsThePointSymmetricCellForTheOtherPlayer) {
    FieldEditor e = editorWith(kSeven);
    e.Check1 = true;
    e.brush = kEditorPlayer1;
    EXPECT_EQ(e.picEdit_MouseDown(kLeftButton, 50, 37, kW, kH), (Cells{{0, 0}, {6, 6}}));
    EXPECT_EQ(e.cell(0, 0), kEditorPlayer1);
    EXPECT_EQ(e.cell(6, 6), kEditorPlayer2);
    e.brush = kEditorHole;
    e.picEdit_MouseDown(kLeftButton, 150, 37, kW, kH);
    EXPECT_EQ(e.cell(1, 0), kEditorHole);
    EXPECT_EQ(e.cell(5, 6), kEditorHole);
    e.brush = kEditorPlayer2;  // the centre mirrors onto itself: the mirrored player wins
    e.picEdit_MouseDown(kLeftButton, 350, 262, kW, kH);
    EXPECT_EQ(e.cell(3, 3), kEditorPlayer1);
}

TEST(FieldEditorTest, SavingRefusesFieldsWithoutAFreeCellOrAPlayerAndStoresTheRest) {
    testing::TempDir dir;
    SettingsStore store(dir / "s.sqlite3");
    FieldLibrary library(store);
    FieldEditor editor;
    editor.Label2 = "04";
    editor.Text1_Change("");
    EXPECT_EQ(editor.Text1, "New field");
    EXPECT_EQ(editor.Text1SelLength, 100);
    const std::pair<std::string, const char*> refused[] = {{std::string(35, '+') + "-", "There is no free field."},
                                                           {std::string(35, 'X') + "-", "There is no field of player 1."},
                                                           {std::string(35, 'X') + "+", "There is no field of player 2."}};
    for (const auto& [field, text] : refused) {
        editor.EDM(field);
        const auto outcome = editor.Command1_Click(store, library);
        EXPECT_EQ(outcome.refusal, (UserMessage{text, "Cannot save"})) << field;
        EXPECT_FALSE(outcome.selection) << field;
        EXPECT_FALSE(store.openKey(fieldKey("04"))) << field;
    }
    const std::string field = "+" + std::string(34, 'X') + "-";
    editor.EDM(field);
    editor.Text1_Change("Arena");
    const auto outcome = editor.Command1_Click(store, library);
    EXPECT_FALSE(outcome.refusal);
    EXPECT_EQ(outcome.selection->Label2, "Tallowen - Original");
    EXPECT_EQ(storedText(store.ReadSetting(fieldKey("04"), "")), "Arena");
    EXPECT_EQ(storedText(store.ReadSetting(fieldKey("04"), "Mapa")), field);
    EXPECT_EQ(library.List1.back(), "Arena");
}

}  // namespace
}  // namespace tallowen
