#pragma once

#include "engine/colour.h"
#include "render/surface.h"

namespace tallowen {

// The desktop's colours that the program's own title bars and buttons follow; the window layer
// fills them from the desktop's palette.
struct SystemColours {
    Colour activeCaption = kBlack;             // 2
    Colour inactiveCaption = kBlack;           // 3
    Colour buttonFace = kBlack;                // 15
    Colour buttonText = kBlack;                // 18
    Colour buttonHighlight = kBlack;           // 20
    Colour darkShadow = kBlack;                // 21
    Colour gradientActiveCaption = kBlack;     // 27
    Colour gradientInactiveCaption = kBlack;   // 28
};

// The colour a button picture's white becomes: halfway from the button text to the button face.
Colour buttonArtColour(const SystemColours& system);

// Repaints a button picture's key colours in place: white becomes `colour`, then pure red the
// button face, yellow the highlight, pure green the button text and pure blue the dark shadow.
// Each test reads the pixel anew, so a pixel an earlier test changed can match a later one.
void MapSysColours(Surface& target, Colour colour, const SystemColours& system);

}  // namespace tallowen
