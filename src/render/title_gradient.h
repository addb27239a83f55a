#pragma once

#include "render/surface.h"
#include "render/system_colours.h"

namespace tallowen {

// Paints a title bar over the whole surface as a horizontal gradient from the caption colour on
// the left to the caption's gradient colour on the right, in the active or the inactive colours.
void DrawTitleGradient(Surface& target, bool active, const SystemColours& system);

}  // namespace tallowen
