#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <variant>

namespace tallowen {

// The two value types of the store, by their type codes.
inline constexpr int kTextType = 1;
inline constexpr int kIntType = 4;

// A value handed to or read from the store: nothing, a text or a 32-bit integer. A text read from
// the store carries one terminating NUL character after the written text.
using SettingValue = std::variant<std::monostate, std::string, std::int32_t>;

// A key as the store holds it, read whole: its values by name, texts as written (without the NUL
// that a single read adds), and the names of the values that break the store's rules and so read as
// missing. A value can outlive its key: `exists` tells whether the key itself is there.
struct StoredKey {
    bool exists = false;
    std::map<std::string, SettingValue> values;
    std::set<std::string> unreadable;
};

// The value as text: "" for nothing, the decimal digits of an integer, a text as it stands (NUL
// included).
std::string settingText(const SettingValue& value);

// The written text of a stored text value (its terminating NUL removed); nothing for other values.
std::optional<std::string> storedText(const SettingValue& value);

std::optional<std::int32_t> storedInt(const SettingValue& value);

// A text as a list box shows it: up to its first NUL character.
std::string listText(const SettingValue& value);

// The value converted for the integer type: an integer as it is, nothing as 0, a text holding a
// whole number (blanks around it allowed) as that number; nothing when it holds no 32-bit number.
std::optional<std::int32_t> integerOf(const SettingValue& value);

}  // namespace tallowen
