#pragma once

#include "cli/bench.h"

namespace tallowen::cli {

// The computer player's figures: level-3 decisions on the heaviest positions found, and games
// per second of computer-against-computer play.
BenchPart opponentBench();

}  // namespace tallowen::cli
