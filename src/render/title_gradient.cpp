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

}  // namespace tallowen
