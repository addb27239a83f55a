#pragma once

#include <string>

namespace tallowen {

// The computer level a player's name stands for: "PC Beginner" 1, "PC Professional" 2,
// "PC Genius" 3, any other name (a person) 0. The comparison is exact.
int computerLevelOfName(const std::string& name);

// The name of the computer player of level 1 ... 3.
std::string computerName(int level);

}  // namespace tallowen
