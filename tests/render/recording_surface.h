#pragma once

#include <vector>

#include "render/image_surface.h"

namespace tallowen::test {

// Draws into a real image and remembers the primitives it was asked for.
class RecordingSurface : public Surface {
public:
    RecordingSurface(int width, int height, Colour back) : image(width, height, back) {}

    void line(double x1, double y1, double x2, double y2, Colour c) override {
        ++lines;
        image.line(x1, y1, x2, y2, c);
    }
    void box(double x1, double y1, double x2, double y2, Colour c) override {
        ++boxes;
        image.box(x1, y1, x2, y2, c);
    }
    void filledBox(double x1, double y1, double x2, double y2, Colour c) override {
        ++filledBoxes;
        image.filledBox(x1, y1, x2, y2, c);
    }
    void ellipse(double cx, double cy, double radius, Colour c, double aspect) override {
        ellipseColours.push_back(c);
        image.ellipse(cx, cy, radius, c, aspect);
    }
    std::optional<Colour> point(double x, double y) const override { return image.point(x, y); }
    void setPoint(double x, double y, Colour c) override { image.setPoint(x, y, c); }
    void clear() override { image.clear(); }
    void refresh() override { ++refreshes; }
    int innerWidth() const override { return image.innerWidth(); }
    int innerHeight() const override { return image.innerHeight(); }
    Colour backColour() const override { return image.backColour(); }

    int primitives() const { return lines + boxes + filledBoxes + static_cast<int>(ellipseColours.size()); }

    ImageSurface image;
    int lines = 0, boxes = 0, filledBoxes = 0, refreshes = 0;
    std::vector<Colour> ellipseColours;
};

}  // namespace tallowen::test
