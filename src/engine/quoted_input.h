#pragma once

#include <string>
#include <string_view>

namespace tallowen::cli {

// Input as an error line shows it: in single quotes, on one line and cut at a readable length. Control
// characters and bytes that are not UTF-8 are written as escapes (\n, \t, \x1b); a quote and a
// backslash get a backslash; a long input ends with "..." and its full length in bytes.
std::string quotedInput(std::string_view input);

}  // namespace tallowen::cli
