#include "render/system_colours.h"

#include <array>
#include <utility>

#include "render/rounding.h"

namespace tallowen {

Colour buttonArtColour(const SystemColours& system) {
    const auto half = [](int text, int face) { return colourComponent(text + (face - text) / 2.0); };
    const Colour t = system.buttonText, f = system.buttonFace;
    return rgb(half(redOf(t), redOf(f)), half(greenOf(t), greenOf(f)), half(blueOf(t), blueOf(f)));
}

void MapSysColours(Surface& target, Colour colour, const SystemColours& system) {
    const std::array<std::pair<Colour, Colour>, 5> replacements{{
        {kWhite, colour},
        {rgb(255, 0, 0), system.buttonFace},
        {rgb(255, 255, 0), system.buttonHighlight},
        {rgb(0, 255, 0), system.buttonText},
        {rgb(0, 0, 255), system.darkShadow},
    }};
    const int w = target.innerWidth(), h = target.innerHeight();
    for (int x = 0; x <= w; ++x)
        for (int y = 0; y <= h; ++y)
            for (const auto& [from, to] : replacements)
                if (target.point(x, y) == from) target.setPoint(x, y, to);
    target.refresh();
}

}  // namespace tallowen
