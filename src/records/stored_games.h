#pragma once

#include <array>
#include <string>
#include <vector>

#include "records/settings_store.h"

namespace tallowen {

// One stored game as the statistics read it; texts as a list box shows them.
struct StoredGame {
    long number = 0;
    std::string fieldName;
    std::string player1;
    std::string player2;
    std::string movement;  // "1" Star, "2" Cross
    std::string turns;
    std::string times;     // 10 x player 1's time position + player 2's
    int count1 = 0;
    int count2 = 0;
    std::string figure1;
    std::string figure2;
    std::string winner;    // the winner's identity, or "TIE!"
    // The loser's identity and figure text, then the winner's; in a tie player 1's, then player 2's.
    std::array<std::string, 2> loserThenWinner;
    std::array<std::string, 2> loserThenWinnerFigure;
    std::string share;     // the winner's share of the figures in per cent, at most one decimal; "50" in a tie
};

// Every stored game in number order. A damaged record (a player, a count or a figure text missing,
// a figure text shorter than four characters, an unknown winner) is left out and left alone.
std::vector<StoredGame> readStoredGames(SettingsStore& store);

}  // namespace tallowen
