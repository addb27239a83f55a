#pragma once

#include <optional>
#include <string>
#include <vector>

#include "records/settings_store.h"
#include "records/user_message.h"

namespace tallowen {

class FieldEditor;

// User fields live in slots "01" ... "99" under "HracíPole".
inline constexpr int kFieldSlots = 99;
std::string slotMark(int slot);
std::string fieldKey(const std::string& slotMark);

// What selecting a field hands to the game window: its title label and the field string label.
struct FieldHandOver {
    std::string Label2;  // "Tallowen - " + name
    std::string Label4;  // field string
    bool operator==(const FieldHandOver&) const = default;
};

// The setup window's field library: the built-in fields followed by the user's fields in slot
// order, kept as three aligned lists (names, slot marks "N" or "01" ... "99", field strings).
class FieldLibrary {
public:
    explicit FieldLibrary(SettingsStore& store) : store_(store) {}

    // Reloads the library and selects entry 0.
    FieldHandOver NajitMapy();
    // Selects an entry (a click in List1); an index outside the list changes nothing.
    std::optional<FieldHandOver> List1_Click(int index);
    // The editor button: "Edit field" and "Delete field" only for a user field.
    void Command3_Click();
    // "Add field": the editor gets "Original", the name "New field" and the first free slot. With
    // every slot taken the command is refused with the message returned.
    std::optional<UserMessage> ADDMAP_Click(FieldEditor& editor);
    // "Edit field": the editor gets the selected user field and its slot.
    void EDMAP_Click(FieldEditor& editor);
    // "Delete field" ... "Yes": removes the selected user field and reloads.
    FieldHandOver DELMAP_Click();

    // The first slot whose name reads empty.
    std::optional<int> firstFreeSlot();

    std::vector<std::string> List1;  // names
    std::vector<std::string> List2;  // slot marks
    std::vector<std::string> List3;  // field strings
    int ListIndex = -1;
    bool EDMAPEnabled = true;
    bool DELMAPEnabled = true;

private:
    bool userFieldSelected() const;

    SettingsStore& store_;
};

}  // namespace tallowen
