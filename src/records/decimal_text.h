#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tallowen {

// value / 10^decimals as a number with a decimal point and no blank, trailing zeros dropped:
// (625, 1) -> "62.5", (600, 1) -> "60", (5714, 2) -> "57.14", (-5, 1) -> "-0.5".
std::string decimalText(long value, int decimals);

// A number with at most one decimal ("62.5", "60", " 7") in tenths; nothing for other text.
std::optional<long> tenthsOf(std::string_view text);

// The number that a text begins with, as a numeric reading of user text takes it: blanks skipped,
// an optional sign, the digits up to the first other character; 0 when there are none.
long leadingInteger(std::string_view text);

}  // namespace tallowen
