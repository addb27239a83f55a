#include "engine/appearance.h"

namespace tallowen {

std::string figureText(const Appearance& looks) {
    auto band = [](int component) { return static_cast<char>(65 + (255 - component) / 60); };
    std::string text;
    text += band(redOf(looks.BackColor));
    text += band(greenOf(looks.BackColor));
    text += band(blueOf(looks.BackColor));
    return text + looks.Caption;
}

}  // namespace tallowen
