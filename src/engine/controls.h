#pragma once

#include <array>
#include <string>

#include "engine/colour.h"

namespace tallowen {

// The state of the game window's controls that the logic writes and the window mirrors.

struct Widget {
    bool Visible = true;
    bool Enabled = true;
};

struct Label : Widget {
    std::string Caption;
    Colour ForeColor = kWhite;
    bool FontBold = false;
};

// A cell-sized marker on the board; Left -3000 parks it out of sight.
struct Shape {
    double Left = -3000;
    double Top = 0;
};

struct Line {
    double X1 = -10, Y1 = -10, X2 = -10, Y2 = -10;
    Colour BorderColor = kBlack;
};

// The setup window's controls that the game window reads directly.
struct SetupChoices {
    std::array<int, 2> Combo1{};              // time list position per player: 0 none, 1 90 ... 4 10 minutes
    std::array<bool, 2> Option19{true, true};  // "Human" per player
    bool Option1 = true;                       // "Star" chosen; the record's movement rule
    bool TZEnabled = true;                     // the undo menu items TZ(1) and TZ(2)
};

}  // namespace tallowen
