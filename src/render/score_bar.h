#pragma once

#include "engine/colour.h"
#include "render/surface.h"

namespace tallowen {

// The lower panel's score bar: player 1's part from the left and player 2's from the right, each
// fading from the player's colour to white towards the split point; boardW is the board surface's
// width at its last layout. Returns the split point, on which the lead label is centred. A field
// without figures draws both parts empty.
double drawScoreBar(Surface& bar, int p1, int p2, Colour colour1, Colour colour2, double boardW);

}  // namespace tallowen
