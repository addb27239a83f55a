#pragma once

#include "cli/bench.h"

namespace tallowen::cli {

// The board drawing's figures: a full redraw of "Big battle" at the finest detail on the design
// window's board, and on the same window on a 4K screen (2160 pixels high), one cell's repaint and
// one selection's target marks, with a checksum of the pixels drawn.
BenchPart renderBench();

}  // namespace tallowen::cli
