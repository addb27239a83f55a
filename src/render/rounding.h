#pragma once

#include <algorithm>
#include <cmath>

namespace tallowen {

// Fractional values become whole numbers by rounding to the nearest integer, halves to even. Values
// far outside any picture are clamped first so that the conversion stays defined.
inline int roundHalfEven(double v) {
    if (std::isnan(v)) return 0;
    return static_cast<int>(std::nearbyint(std::clamp(v, -1.0e6, 1.0e6)));
}

// A colour component as it reaches a primitive: rounded, then kept within 0 ... 255.
inline int colourComponent(double v) { return std::clamp(roundHalfEven(v), 0, 255); }

}  // namespace tallowen
