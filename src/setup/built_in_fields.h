#pragma once

#include <array>
#include <string>

namespace tallowen {

struct BuiltInField {
    std::string name;
    std::string field;  // field string, row by row
};

// The fields the program carries, in the order the library lists them: "Original", "Draughts",
// "Quick atack", "Big battle".
std::array<BuiltInField, 4> builtInFields();

}  // namespace tallowen
