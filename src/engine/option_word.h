#pragma once

#include <string_view>

namespace tallowen {

// A word of a command line that names an option: "--" and a lower-case letter. A field string may
// begin with "--" too, "-" being a player 2 piece. A value is never such a word, so that a mistyped
// option is not taken as the value of the option before it.
inline bool isOptionWord(std::string_view word) {
    return word.size() > 2 && word.substr(0, 2) == "--" && word[2] >= 'a' && word[2] <= 'z';
}

}  // namespace tallowen
