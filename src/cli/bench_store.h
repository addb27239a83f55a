#pragma once

#include "cli/bench.h"

namespace tallowen::cli {

// The settings store's figures on a file of 1,000 game records: opening it as the game starts (the
// whole check of the file included), the whole check alone and the quick check it replaced, and
// reading every record for the statistics.
BenchPart storeBench();

}  // namespace tallowen::cli
