#pragma once

#include <QImage>

#include "engine/colour.h"
#include "render/image_surface.h"
#include "render/rounding.h"

namespace tallowen::test {

inline Colour pixelAt(ImageSurface& s, double x, double y) { return s.point(x, y).value_or(0xFFFFFFFFu); }

inline Colour grey(int g) { return rgb(g, g, g); }

// The columns a colour other than `back` covers on row y: first and last, or -1, -1.
inline std::pair<int, int> coveredColumns(ImageSurface& s, int y, Colour back) {
    int first = -1, last = -1;
    for (int x = 0; x < s.innerWidth(); ++x)
        if (s.point(x, y) != back) {
            if (first < 0) first = x;
            last = x;
        }
    return {first, last};
}

// Pixels that differ between two images of one size.
inline int differingPixels(const QImage& a, const QImage& b) {
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}

}  // namespace tallowen::test
