#pragma once

#include <string>
#include <string_view>

#include "engine/colour.h"

namespace tallowen {

// A stored figure text decoded: three band letters give the red, green and blue components,
// 255 - (letter - "A") x 60 each, and the rest is the figure code. "AEE1" is rgb(255, 15, 15), "1".
struct StoredFigure {
    Colour colour = kBlack;
    std::string code;
};

// Letters outside "A" ... "E" are held to the range 0 ... 255; a short text decodes what it has.
StoredFigure decodeFigureText(std::string_view text);

}  // namespace tallowen
