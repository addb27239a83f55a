#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tallowen {

// What the value of a command-line option may be beyond not being empty.
struct ValueRules {
    bool printable = false;          // text a person reads: UTF-8 without control characters
    std::size_t mostCharacters = 0;  // 0 for no limit
};

// Nothing when `value` suits the option --`name`, else the one line that says why not, with the value
// quoted as an error line shows input. No value is empty or an option word: a mistyped option is never
// taken for the value of the option before it.
std::optional<std::string> optionValueError(std::string_view name, std::string_view value, const ValueRules& rules);

}  // namespace tallowen
