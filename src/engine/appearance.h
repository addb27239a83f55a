#pragma once

#include <string>

#include "engine/colour.h"

namespace tallowen {

// A player's looks as the hidden labels HR1 and HR2 hold them: the player's colour, the colour of
// the player's marks, and the figure code "1" ... "8".
struct Appearance {
    Colour BackColor = kBlack;
    Colour ForeColor = kWhite;
    std::string Caption;
    bool operator==(const Appearance&) const = default;
};

// The record's figure text: one band letter "A" ... "E" per colour component (red, green, blue)
// followed by the figure code, e.g. pure red with figure "1" is "AEE1".
std::string figureText(const Appearance& looks);

}  // namespace tallowen
