#pragma once

#include <QPalette>

#include "render/system_colours.h"

namespace tallowen {

// The desktop palette's colours for the program's own title strips and button pictures.
SystemColours desktopColours(const QPalette& palette);

}  // namespace tallowen
