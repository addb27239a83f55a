#pragma once

#include <algorithm>

#include "engine/rounding.h"

namespace tallowen {

// A colour component as it reaches a primitive: rounded, then kept within 0 ... 255.
inline int colourComponent(double v) { return std::clamp(roundHalfEven(v), 0, 255); }

}  // namespace tallowen
