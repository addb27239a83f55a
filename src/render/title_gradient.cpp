#include "render/title_gradient.h"

#include "render/rounding.h"
#include "render/step_loop.h"

namespace tallowen {

void DrawTitleGradient(Surface& target, bool active, const SystemColours& system) {
    const Colour left = active ? system.activeCaption : system.inactiveCaption;
    const Colour right = active ? system.gradientActiveCaption : system.gradientInactiveCaption;
    const double W = target.innerWidth(), H = target.innerHeight();
    if (W <= 0) return;
    const double stepR = (redOf(right) - redOf(left)) / W;
    const double stepG = (greenOf(right) - greenOf(left)) / W;
    const double stepB = (blueOf(right) - blueOf(left)) / W;
    forStep(0, W, 0.5, [&](double x) {
        const Colour c = rgb(colourComponent(redOf(left) + stepR * x), colourComponent(greenOf(left) + stepG * x),
                             colourComponent(blueOf(left) + stepB * x));
        target.line(x, 0, x, H, c);
    });
    target.refresh();
}

void DrawSetupGradient(Surface& target, const SystemColours& system) {
    const Colour face = system.buttonFace;
    const double W = target.innerWidth(), unit = target.innerHeight() / 16.0;
    auto along = [](int grey, int to, double y) { return colourComponent(grey + y * (to - grey) / 16); };
    forStep(0, 16, 0.5, [&](double y) {
        const Colour c = rgb(along(127, redOf(face), y), along(127, greenOf(face), y), along(127, blueOf(face), y));
        target.filledBox(0, y * unit, W, (y + 0.5) * unit, c);
    });
    target.refresh();
}

}  // namespace tallowen
