#include "ui/system_palette.h"

#include "ui/qt_colour.h"

namespace tallowen {

SystemColours systemColoursOf(const QPalette& palette) {
    const auto colour = [&](QPalette::ColorGroup group, QPalette::ColorRole role) {
        return fromQColor(palette.color(group, role));
    };
    SystemColours s;
    const QColor caption = palette.color(QPalette::Active, QPalette::Highlight);
    s.activeCaption = fromQColor(caption.darker(140));
    s.gradientActiveCaption = fromQColor(caption.lighter(135));
    s.inactiveCaption = colour(QPalette::Active, QPalette::Dark);
    s.gradientInactiveCaption = colour(QPalette::Active, QPalette::Midlight);
    s.buttonFace = colour(QPalette::Active, QPalette::Button);
    s.buttonText = colour(QPalette::Active, QPalette::ButtonText);
    s.buttonHighlight = colour(QPalette::Active, QPalette::Light);
    s.darkShadow = colour(QPalette::Active, QPalette::Shadow);
    return s;
}

}  // namespace tallowen
