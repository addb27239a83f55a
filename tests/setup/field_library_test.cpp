#include "setup/field_library.h"

#include <gtest/gtest.h>

#include "records/setting_paths.h"
#include "setup/built_in_fields.h"
#include "setup/field_editor.h"
#include "../records/temp_dir.h"

namespace tallowen {
namespace {

using testing::TempDir;
using Texts = std::vector<std::string>;

const Texts kBuiltInNames = {"Original", "Draughts", "Quick atack", "Big battle"};

class FieldLibraryTest : public ::testing::Test {
protected:
    void storeField(const std::string& slot, const std::string& name, const std::string& field) {
        store.CreateSettingKey(fieldKey(slot));
        store.WriteSetting(fieldKey(slot), "", name, kTextType);
        store.WriteSetting(fieldKey(slot), "Mapa", field, kTextType);
    }

    TempDir dir;
    SettingsStore store{dir / "settings.sqlite3"};
    FieldLibrary library{store};
    FieldEditor editor;
};

// Player 1 holds cell (r, c) exactly where player 2 holds (side-1-r, side-1-c); holes and empty
// cells map onto themselves.
bool pointSymmetricWithPlayersSwapped(const std::string& field, int side) {
    auto at = [&](int r, int c) { return field[static_cast<std::size_t>(r * side + c)]; };
    for (int r = 0; r < side; ++r)
        for (int c = 0; c < side; ++c) {
            const char a = at(r, c), b = at(side - 1 - r, side - 1 - c);
            const char swapped = a == '+' ? '-' : a == '-' ? '+' : a;
            if (b != swapped) return false;
        }
    return true;
}

TEST(BuiltInFieldsTest, TheFourFieldsHaveTheirSizesAndSymmetry) {
    const auto fields = builtInFields();
    const int sides[] = {11, 8, 7, 15};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        EXPECT_EQ(fields[i].name, kBuiltInNames[i]);
        EXPECT_EQ(fields[i].field.size(), static_cast<std::size_t>(sides[i] * sides[i])) << fields[i].name;
        EXPECT_EQ(fields[i].field.find_first_not_of("X+-0"), std::string::npos) << fields[i].name;
        if (i > 0) {
            EXPECT_TRUE(pointSymmetricWithPlayersSwapped(fields[i].field, sides[i])) << fields[i].name;
        }
    }
    const std::string& original = fields[0].field;
    EXPECT_EQ(original.substr(0, 11), "+XXXXXXXXX-");
    EXPECT_EQ(original.substr(110), "-XXXXXXXXX+");
    EXPECT_EQ(std::count(original.begin(), original.end(), 'X'), 117);
    EXPECT_EQ(fields[2].field, "-XXXXXXXXXXXXXXX0---0X0+0-0X0+++0XXXXXXXXXXXXXXX+");
    EXPECT_EQ(fields[3].field.substr(7 * 15, 15), "X0X+X+XXX-X-X0X");
}

TEST_F(FieldLibraryTest, WithoutUserFieldsOnlyTheBuiltInsAreOfferedAndOriginalIsSelected) {
    const FieldHandOver selected = library.NajitMapy();
    EXPECT_EQ(library.List1, kBuiltInNames);
    EXPECT_EQ(library.List2, (Texts{"N", "N", "N", "N"}));
    EXPECT_EQ(library.List3[1], builtInFields()[1].field);
    EXPECT_EQ(library.ListIndex, 0);
    EXPECT_EQ(selected, (FieldHandOver{"Tallowen - Original", builtInFields()[0].field}));
}

TEST_F(FieldLibraryTest, UserFieldsFollowInSlotOrderWithoutTheirTerminator) {
    storeField("12", "Twelve", "XXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXX+-");
    storeField("03", "Three", "+XXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXX-");
    store.CreateSettingKey(fieldKey("05"));  // no name: a free slot
    store.WriteSetting(fieldKey("05"), "Mapa", std::string("XX"), kTextType);
    library.NajitMapy();
    EXPECT_EQ(library.List1, (Texts{"Original", "Draughts", "Quick atack", "Big battle", "Three", "Twelve"}));
    EXPECT_EQ(library.List2, (Texts{"N", "N", "N", "N", "03", "12"}));
    EXPECT_EQ(library.List3[4], "+XXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXX-");
    EXPECT_EQ(library.List1_Click(5), (FieldHandOver{"Tallowen - Twelve", "XXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXX+-"}));
    EXPECT_FALSE(library.List1_Click(6));
    EXPECT_EQ(library.ListIndex, 5);
}

TEST_F(FieldLibraryTest, SelectingBigBattleHandsOverItsWholeField) {
    library.NajitMapy();
    const auto handOver = library.List1_Click(3);
    EXPECT_EQ(handOver->Label2, "Tallowen - Big battle");
    EXPECT_EQ(handOver->Label4.size(), 225u);
}

TEST_F(FieldLibraryTest, EditAndDeleteAreOfferedForUserFieldsOnly) {
    storeField("01", "Mine", "+" + std::string(34, 'X') + "-");
    library.NajitMapy();
    library.Command3_Click();
    EXPECT_FALSE(library.EDMAPEnabled);
    EXPECT_FALSE(library.DELMAPEnabled);
    library.List1_Click(4);
    library.Command3_Click();
    EXPECT_TRUE(library.EDMAPEnabled);
    EXPECT_TRUE(library.DELMAPEnabled);
    // On a built-in field the commands do nothing.
    library.List1_Click(2);
    editor.Label2 = "untouched";
    library.EDMAP_Click(editor);
    EXPECT_EQ(editor.Label2, "untouched");
    library.DELMAP_Click();
    EXPECT_EQ(library.List1.size(), 5u);
}

TEST_F(FieldLibraryTest, AddingStartsFromOriginalInTheFirstFreeSlot) {
    storeField("01", "One", "X+-");
    storeField("02", "Two", "X+-");
    storeField("04", "Four", "X+-");
    library.NajitMapy();
    EXPECT_FALSE(library.ADDMAP_Click(editor));
    EXPECT_EQ(editor.Label2, "03");
    EXPECT_EQ(editor.Text1, "New field");
    EXPECT_EQ(editor.side(), 11);
    EXPECT_EQ(editor.fieldString(), builtInFields()[0].field);
}

TEST_F(FieldLibraryTest, AddingWithEverySlotTakenIsRefusedAndOverwritesNothing) {
    for (int slot = 1; slot <= kFieldSlots; ++slot) storeField(slotMark(slot), "F" + std::to_string(slot), "X+-");
    library.NajitMapy();
    EXPECT_EQ(library.List1.size(), 4u + 99u);
    const auto refusal = library.ADDMAP_Click(editor);
    ASSERT_TRUE(refusal);
    EXPECT_FALSE(refusal->text.empty());
    EXPECT_EQ(editor.Label2, "");
    EXPECT_EQ(storedText(store.ReadSetting(fieldKey("99"), "")), "F99");
}

TEST_F(FieldLibraryTest, EditingLoadsTheSelectedFieldAndSavingWritesBackToItsSlot) {
    const std::string field = "+" + std::string(34, 'X') + "-";  // 6 x 6
    storeField("07", "Seven", field);
    library.NajitMapy();
    library.List1_Click(4);
    library.EDMAP_Click(editor);
    EXPECT_EQ(editor.Label2, "07");
    EXPECT_EQ(editor.Text1, "Seven");
    EXPECT_EQ(editor.fieldString(), field);
    editor.Text1_Change("Seven, changed");
    const auto outcome = editor.Command1_Click(store, library);
    EXPECT_FALSE(outcome.refusal);
    EXPECT_EQ(library.List1, (Texts{"Original", "Draughts", "Quick atack", "Big battle", "Seven, changed"}));
    EXPECT_EQ(library.List2.back(), "07");
    EXPECT_EQ(library.ListIndex, 0);
    EXPECT_EQ(outcome.selection->Label2, "Tallowen - Original");
}

TEST_F(FieldLibraryTest, DeletingRemovesTheSlotAndSelectsOriginal) {
    storeField("02", "Two", "X+-");
    storeField("05", "Five", "X+-");
    library.NajitMapy();
    library.List1_Click(4);
    const FieldHandOver selected = library.DELMAP_Click();
    EXPECT_EQ(library.List1, (Texts{"Original", "Draughts", "Quick atack", "Big battle", "Five"}));
    EXPECT_EQ(library.ListIndex, 0);
    EXPECT_EQ(selected.Label2, "Tallowen - Original");
    EXPECT_FALSE(store.openKey(fieldKey("02")));
    EXPECT_EQ(library.firstFreeSlot(), 1);
}

}  // namespace
}  // namespace tallowen
