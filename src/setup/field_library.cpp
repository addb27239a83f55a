#include "setup/field_library.h"

#include "records/setting_paths.h"
#include "setup/built_in_fields.h"
#include "setup/field_editor.h"

namespace tallowen {

namespace {

constexpr const char* kBuiltInMark = "N";
constexpr const char* kTitlePrefix = "Tallowen - ";

}  // namespace

std::string slotMark(int slot) { return (slot < 10 ? "0" : "") + std::to_string(slot); }

std::string fieldKey(const std::string& slotMark) { return std::string(kFieldsKey) + "\\" + slotMark; }

FieldHandOver FieldLibrary::NajitMapy() {
    List1.clear();
    List2.clear();
    List3.clear();
    for (const BuiltInField& field : builtInFields()) {
        List1.push_back(field.name);
        List2.push_back(kBuiltInMark);
        List3.push_back(field.field);
    }
    store_.snapshot([&] {
        for (int slot = 1; slot <= kFieldSlots; ++slot) {
            const std::string key = fieldKey(slotMark(slot));
            const auto name = storedText(store_.ReadSetting(key, ""));
            if (!name) continue;
            List1.push_back(*name);
            List2.push_back(slotMark(slot));
            List3.push_back(storedText(store_.ReadSetting(key, "Mapa")).value_or(""));
        }
    });
    return *List1_Click(0);
}

std::optional<FieldHandOver> FieldLibrary::List1_Click(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= List1.size()) return std::nullopt;
    ListIndex = index;
    const auto i = static_cast<std::size_t>(index);
    return FieldHandOver{kTitlePrefix + List1[i], List3[i]};
}

bool FieldLibrary::userFieldSelected() const {
    return ListIndex >= 0 && static_cast<std::size_t>(ListIndex) < List2.size() &&
           List2[static_cast<std::size_t>(ListIndex)] != kBuiltInMark;
}

void FieldLibrary::Command3_Click() { EDMAPEnabled = DELMAPEnabled = userFieldSelected(); }

std::optional<int> FieldLibrary::firstFreeSlot() {
    for (int slot = 1; slot <= kFieldSlots; ++slot)
        if (settingText(store_.ReadSetting(fieldKey(slotMark(slot)), "")).empty()) return slot;
    return std::nullopt;
}

std::optional<UserMessage> FieldLibrary::ADDMAP_Click(FieldEditor& editor) {
    const auto slot = firstFreeSlot();
    if (!slot)
        return UserMessage{"All 99 places for your own fields are taken. Delete a field before adding a new one.",
                           "Add field"};
    editor.EDM(builtInFields()[0].field);
    editor.Text1_Change("New field");
    editor.Label2 = slotMark(*slot);
    return std::nullopt;
}

void FieldLibrary::EDMAP_Click(FieldEditor& editor) {
    if (!userFieldSelected()) return;
    const auto i = static_cast<std::size_t>(ListIndex);
    editor.EDM(List3[i]);
    editor.Label2 = List2[i];
    editor.Text1_Change(List1[i]);
}

FieldHandOver FieldLibrary::DELMAP_Click() {
    if (userFieldSelected()) store_.DeleteSettingKey(fieldKey(List2[static_cast<std::size_t>(ListIndex)]));
    return NajitMapy();
}

}  // namespace tallowen
