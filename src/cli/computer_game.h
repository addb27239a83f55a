#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "engine/directions.h"
#include "engine/game_recorder.h"
#include "opponent/master/search.h"

namespace tallowen::cli {

// One computer-against-computer game: the rule, the game string, each side's level (1 ... 4),
// the seed of the game's random source, the field's name and "PC Master"'s budget a move for
// each player.
struct ComputerGame {
    MoveRule rule = MoveRule::Star;
    std::string gameString;
    int level1 = 2;
    int level2 = 2;
    std::uint64_t seed = 1;
    std::string fieldName;
    std::array<master::Limits, 2> masterLimits;
};

// Plays the game through the real turn cycle and timers on a virtual clock and returns its
// record; the record also goes to `recorder` when one is given. Nothing when the game has not
// ended after kMaxComputerGameMoves moves.
inline constexpr int kMaxComputerGameMoves = 20000;
std::optional<FinishedGame> playComputerGame(const ComputerGame& setup, GameRecorder* recorder = nullptr);

// The seed of game `index` of a series started with `seed`: the games of a series differ, and the
// same series seed gives the same games.
std::uint64_t seriesGameSeed(std::uint64_t seed, int index);

}  // namespace tallowen::cli
