#pragma once

#include <array>

#include "cli/arguments.h"
#include "opponent/master/search.h"

namespace tallowen::cli {

// "PC Master"'s budget a move from --time MS and --nodes N: 1000 ms by default; a node limit
// alone searches without a time limit, so that the search is the same on every machine.
master::Limits masterLimits(const Arguments& args);
// The same for each player, where --time and --nodes may also give two values "P1,P2".
std::array<master::Limits, 2> masterLimitsOfPlayers(const Arguments& args);

}  // namespace tallowen::cli
