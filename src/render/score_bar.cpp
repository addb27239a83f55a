#include "render/score_bar.h"

#include "render/rounding.h"

namespace tallowen {

namespace {

// Component by component, i fiftieths of the way from the colour to white.
Colour faded(Colour c, int i) {
    const auto fade = [i](int v) { return colourComponent(v + i * (255 - v) / 50.0); };
    return rgb(fade(redOf(c)), fade(greenOf(c)), fade(blueOf(c)));
}

}  // namespace

double drawScoreBar(Surface& bar, int p1, int p2, Colour colour1, Colour colour2, double boardW) {
    const double SW = bar.innerWidth(), SH = bar.innerHeight();
    const int total = p1 + p2;
    const double w1 = total > 0 ? (SW - 4) * p1 / total : 0;
    const double w2 = total > 0 ? (SW - 4) * p2 / total : 0;

    bar.filledBox(0, 0, 2 + w1 + boardW / 50, SH, colour1);
    for (int i = 0; i <= 50; ++i) {
        const double left = 2 + i * w1 / 50;
        bar.filledBox(left, 2, left + boardW / 50, SH - 2, faded(colour1, i));
    }
    bar.filledBox(SW - w2 - 2, 0, SW, SH, colour2);
    for (int i = 0; i <= 50; ++i) {
        const double left = SW - 2 - i * w2 / 50;
        bar.filledBox(left, 2, left + SW / 50, SH - 2, faded(colour2, i));
    }
    bar.refresh();
    return 2 + w1;
}

}  // namespace tallowen
