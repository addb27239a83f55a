#pragma once

#include <cstddef>
#include <string>

namespace tallowen {

// The computer levels: 1 "PC Beginner", 2 "PC Professional", 3 "PC Genius" look one move ahead;
// 4 "PC Master" searches the game tree.
inline constexpr int kMasterLevel = 4;

// The longest name the setup window's name boxes take, in characters.
inline constexpr std::size_t kMostNameCharacters = 32;

// The computer level a player's name stands for, or 0 for any other name (a person). The
// comparison is exact.
int computerLevelOfName(const std::string& name);

// The name of the computer player of level 1 ... 4.
std::string computerName(int level);

// The name a person of player 1 or 2 plays under once the game starts, from the name as typed: an
// empty name becomes "Hráč 1" or "Hráč 2", "tie!" becomes "I'm Tie", and a name that begins with
// "pc " in any case begins with ":-) " instead, so that no person passes for a computer.
std::string startName(const std::string& typed, int player);

}  // namespace tallowen
