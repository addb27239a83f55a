#include "ui/desktop_colours.h"

namespace tallowen {

namespace {
Colour colourOf(const QColor& c) { return rgb(c.red(), c.green(), c.blue()); }
}  // namespace

SystemColours desktopColours(const QPalette& palette) {
    // Captions run from the selection colour into a lighter shade of it; inactive ones are greys.
    const QColor active = palette.color(QPalette::Active, QPalette::Highlight);
    const QColor inactive = palette.color(QPalette::Inactive, QPalette::Dark);
    SystemColours c;
    c.activeCaption = colourOf(active);
    c.gradientActiveCaption = colourOf(active.lighter(160));
    c.inactiveCaption = colourOf(inactive);
    c.gradientInactiveCaption = colourOf(inactive.lighter(140));
    c.buttonFace = colourOf(palette.color(QPalette::Button));
    c.buttonText = colourOf(palette.color(QPalette::ButtonText));
    c.buttonHighlight = colourOf(palette.color(QPalette::Light));
    c.darkShadow = colourOf(palette.color(QPalette::Shadow));
    return c;
}

}  // namespace tallowen
