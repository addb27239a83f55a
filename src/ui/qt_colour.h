#pragma once

#include <QColor>

#include "engine/colour.h"

namespace tallowen {

inline QColor toQColor(Colour c) { return QColor(redOf(c), greenOf(c), blueOf(c)); }
inline Colour fromQColor(const QColor& c) { return rgb(c.red(), c.green(), c.blue()); }

}  // namespace tallowen
