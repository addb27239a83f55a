#pragma once

#include <string>

namespace tallowen {

// The computer level a player's name stands for: "PC Beginner" 1, "PC Professional" 2,
// "PC Genius" 3, any other name (a person) 0. The comparison is exact.
int computerLevelOfName(const std::string& name);

// The name of the computer player of level 1 ... 3.
std::string computerName(int level);

// The name a person of player 1 or 2 plays under once the game starts, from the name as typed: an
// empty name becomes "Hráč 1" or "Hráč 2", "tie!" becomes "I'm Tie", and a name that begins with
// "pc " in any case begins with ":-) " instead, so that no person passes for a computer.
std::string startName(const std::string& typed, int player);

}  // namespace tallowen
