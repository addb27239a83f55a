#include "setup/field_library.h"

#include <gtest/gtest.h>

#include "../records/test_store.h"
#include "records/setting_paths.h"
#include "setup/built_in_fields.h"
#include "setup/field_editor.h"

namespace tallowen {
namespace {

using Texts = std::vector<std::string>;

const std::string kSix = "+" + std::string(34, 'X') + "-";  // 6 x 6

class FieldLibraryTest : public ::testing::Test {
protected:
    void storeField(const std::string& slot, const std::string& name, const std::string& field = kSix) {
        store.CreateSettingKey(fieldKey(slot));
        store.WriteSetting(fieldKey(slot), "", name, kTextType);
        store.WriteSetting(fieldKey(slot), "Mapa", field, kTextType);
    }

    testing::TempDir dir;
    SettingsStore store{dir / "s.sqlite3"};
    FieldLibrary library{store};
    FieldEditor editor;
};

TEST_F(FieldLibraryTest, TheBuiltInsComeFirstAndUserFieldsFollowInSlotOrderToBeEditedAndDeleted) {
    storeField("12", "Twelve", "XX+-");
    storeField("10", "Ten", std::string(34, 'X') + "+-");
    storeField("03", "Three");
    store.CreateSettingKey(fieldKey("05"));  // no name: a free slot
    store.WriteSetting(fieldKey("05"), "Mapa", kSix, kTextType);
    library.NajitMapy();
    EXPECT_EQ(library.List1, (Texts{"Original", "Draughts", "Quick atack", "Big battle", "Three", "Ten", "Twelve"}));
    EXPECT_EQ(library.List2, (Texts{"N", "N", "N", "N", "03", "10", "12"}));
    EXPECT_EQ(library.List1_Click(6), (FieldHandOver{"Tallowen - Twelve", "XX+-"}));
    EXPECT_FALSE(library.List1_Click(7));
    EXPECT_EQ(library.ListIndex, 6);

    // Edit and delete are offered, and act, for user fields only.
    library.List1_Click(2);
    library.Command3_Click();
    EXPECT_FALSE(library.EDMAPEnabled || library.DELMAPEnabled);
    library.EDMAP_Click(editor);
    EXPECT_EQ(editor.Label2, "");
    library.DELMAP_Click();
    EXPECT_EQ(library.List1.size(), 7u);

    // Editing saves back to the field's slot.
    library.List1_Click(5);
    library.Command3_Click();
    EXPECT_TRUE(library.EDMAPEnabled && library.DELMAPEnabled);
    library.EDMAP_Click(editor);
    EXPECT_EQ(editor.Label2, "10");
    EXPECT_EQ(editor.Text1, "Ten");
    EXPECT_EQ(editor.side(), 6);
    EXPECT_EQ(editor.fieldString(), std::string(34, 'X') + "+-");
    editor.Text1_Change("Ten, changed");
    EXPECT_FALSE(editor.Command1_Click(store, library).refusal);
    EXPECT_EQ(library.List1[5], "Ten, changed");
    EXPECT_EQ(library.List2[5], "10");

    // Deleting frees the slot and selects the first field.
    library.List1_Click(4);
    EXPECT_EQ(library.DELMAP_Click().Label2, "Tallowen - Original");
    EXPECT_EQ(library.List1, (Texts{"Original", "Draughts", "Quick atack", "Big battle", "Ten, changed", "Twelve"}));
    EXPECT_EQ(library.ListIndex, 0);
    EXPECT_FALSE(store.openKey(fieldKey("03")));
}

TEST_F(FieldLibraryTest, AddingTakesTheFirstFreeSlotUpToTheNinetyNinth) {
    for (const char* slot : {"01", "02", "04"}) storeField(slot, slot);
    library.NajitMapy();
    EXPECT_FALSE(library.ADDMAP_Click(editor));
    EXPECT_EQ(editor.Label2, "03");
    EXPECT_EQ(editor.fieldString(), builtInFields()[0].field);

    store.transaction([&] {
        for (int slot = 1; slot < kFieldSlots; ++slot) storeField(slotMark(slot), "F" + std::to_string(slot));
        return true;
    });
    EXPECT_FALSE(library.ADDMAP_Click(editor));
    EXPECT_EQ(editor.Label2, "99");
    storeField("99", "F99");
    library.NajitMapy();
    EXPECT_EQ(library.List1.size(), 4u + 99u);
    FieldEditor refused;
    const auto refusal = library.ADDMAP_Click(refused);
    ASSERT_TRUE(refusal);
    EXPECT_FALSE(refusal->text.empty());
    EXPECT_EQ(refused.Label2, "");
    EXPECT_EQ(storedText(store.ReadSetting(fieldKey("99"), "")), "F99");
}

}  // namespace
}  // namespace tallowen
