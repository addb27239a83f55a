#pragma once

#include <optional>
#include <string>

namespace tallowen {

// Where the program keeps its settings in the store.
inline constexpr const char* kProgramKey = "Software\\Brenholt\\Tallowen";
inline constexpr const char* kRecordsKey = "Software\\Brenholt\\Tallowen\\Hry";
inline constexpr const char* kFieldsKey = "Software\\Brenholt\\Tallowen\\HracíPole";
inline constexpr const char* kFigureDetailValue = "GrafickáPropracovanostFigurek";

// A record's key name: the number with five digits, leading zeros included ("00042"); larger
// numbers as they are.
std::string recordKeyName(long number);
std::string recordKey(long number);
// The number a record's key name stands for; nothing for any other name ("1", "abc").
std::optional<long> recordNumberOfKeyName(const std::string& name);

}  // namespace tallowen
