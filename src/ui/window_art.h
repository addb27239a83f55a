#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include "render/system_colours.h"
#include "render/window_layout.h"

namespace tallowen {

// The windows' artwork: the project's own SVG pictures under src/ui/art, rendered for a screen.
// Sizes are in layout pixels; the images come back at `pixelRatio` device pixels per layout pixel.
namespace art {

// A picture stretched to `size`, for instance "side_picture" or "bevel_edge".
QImage picture(const QString& name, QSizeF size, double pixelRatio);

// A button picture (drawn in the key colours white, red, yellow, green and blue on whole pixels),
// scaled without blending so that its key colours stay exact, then recoloured to the desktop's
// colours: white becomes `white`, the other keys the button colours (MapSysColours).
QImage buttonPicture(const QString& name, QSize size, double pixelRatio, Colour white, const SystemColours& system);

// The game window's background for its layout: the button face, the side picture Image3, the
// bevel strips and corners around the panels, and the one-pixel border Lin.
QImage windowFrame(const WindowLayout& layout, QSize size, double pixelRatio, const SystemColours& system);

}  // namespace art

}  // namespace tallowen
