#pragma once

#include "cli/bench.h"

namespace tallowen::cli {

// "PC Master"'s figures: nodes per second on the heaviest 15 x 15 positions (searches of a fixed
// node count, whose results enter the checksum) and the depth its 1 s budget reaches on the
// built-in fields "Big battle" and "Original" (timed, so outside the checksum).
BenchPart masterBench();

}  // namespace tallowen::cli
