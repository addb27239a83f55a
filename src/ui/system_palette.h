#pragma once

#include <QPalette>

#include "render/system_colours.h"

namespace tallowen {

// The desktop's colours for the program's own title bars and buttons, taken from a palette:
// captions from its highlight, buttons from its button roles.
SystemColours systemColoursOf(const QPalette& palette);

}  // namespace tallowen
