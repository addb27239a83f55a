#pragma once

#include <optional>
#include <span>

#include "engine/colour.h"

namespace tallowen {

// The half-axes of an ellipse outline: below aspect 1 the radius is the horizontal half-axis and
// the vertical one is radius × aspect; above 1 the radius is the vertical half-axis and the
// horizontal one is radius / aspect.
struct HalfAxes {
    double rx = 0;
    double ry = 0;
};

inline HalfAxes ellipseHalfAxes(double radius, double aspect) {
    if (aspect < 1) return {radius, radius * aspect};
    if (aspect > 1) return {radius / aspect, radius};
    return {radius, radius};
}

// A corner of a polygon, in pixels.
struct SurfacePoint {
    double x = 0;
    double y = 0;
};

// A picture that keeps its drawing in a backing image. Coordinates are pixels from the top left;
// fractional coordinates are rounded to whole pixels (halves to even) when a primitive is drawn,
// and nothing is antialiased. Boxes include both corners.
class Surface {
public:
    virtual ~Surface() = default;

    virtual void line(double x1, double y1, double x2, double y2, Colour colour) = 0;
    virtual void box(double x1, double y1, double x2, double y2, Colour colour) = 0;
    virtual void filledBox(double x1, double y1, double x2, double y2, Colour colour) = 0;
    virtual void ellipse(double cx, double cy, double radius, Colour colour, double aspect) = 0;
    // The outline above and everything inside it.
    virtual void filledEllipse(double cx, double cy, double radius, Colour colour, double aspect) = 0;
    // The pixels whose middles lie inside the polygon with these corners; its edges are not drawn.
    virtual void filledPolygon(std::span<const SurfacePoint> corners, Colour colour) = 0;

    // The colour at (x, y), or nothing outside the picture.
    virtual std::optional<Colour> point(double x, double y) const = 0;
    virtual void setPoint(double x, double y, Colour colour) = 0;

    // Fills the picture with its background colour.
    virtual void clear() = 0;
    // Shows the backing image on screen.
    virtual void refresh() = 0;

    virtual int innerWidth() const = 0;
    virtual int innerHeight() const = 0;
    virtual Colour backColour() const = 0;
};

}  // namespace tallowen
