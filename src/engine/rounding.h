#pragma once

#include <algorithm>
#include <cmath>

namespace tallowen {

// Fractional values become whole numbers by rounding to the nearest integer, halves to even. Values
// far outside any board or picture are clamped first so that the conversion stays defined.
inline int roundHalfEven(double v) {
    if (std::isnan(v)) return 0;
    return static_cast<int>(std::nearbyint(std::clamp(v, -1.0e6, 1.0e6)));
}

}  // namespace tallowen
