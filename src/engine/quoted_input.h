#pragma once

#include <string>
#include <string_view>

namespace tallowen {

// Input as an error line shows it: in single quotes, on one line and cut at a readable length. Control
// characters and bytes that are not UTF-8 are written as escapes (\n, \t, \x1b); a quote and a
// backslash get a backslash; a long input ends with "..." and its full length in bytes.
std::string quotedInput(std::string_view input);

// Text from outside as a line of output shows it, whole: control characters (tabs and line breaks
// too) and bytes that are not UTF-8 as escapes, and a backslash doubled. Printable UTF-8 text without
// a backslash stays as it is.
std::string escapedText(std::string_view text);

// Valid UTF-8 without control characters.
bool printableText(std::string_view text);

// The characters (code points) of printable text.
std::size_t characterCount(std::string_view text);

}  // namespace tallowen
