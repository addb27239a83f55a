#pragma once

#include "render/surface.h"
#include "render/system_colours.h"

namespace tallowen {

// Paints a title bar over the whole surface as a horizontal gradient from the caption colour on
// the left to the caption's gradient colour on the right, in the active or the inactive colours.
void DrawTitleGradient(Surface& target, bool active, const SystemColours& system);

// Paints the setup window's band: 33 lines across at 0, 0.5, ... 16 of a scale 16 high, from grey
// 127 at the top to the button face at 16; each line is as thick as the scale's half step.
void DrawSetupGradient(Surface& target, const SystemColours& system);

}  // namespace tallowen
