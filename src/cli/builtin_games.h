#pragma once

#include <string>

namespace tallowen::cli {

// Game strings of built-in fields that the bench and the tests play, with player 1 moving first.
std::string originalGame();
std::string bigBattleGame();

}  // namespace tallowen::cli
