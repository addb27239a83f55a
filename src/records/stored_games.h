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

struct StoredGames {
    std::vector<StoredGame> games;  // in number order
    int skipped = 0;                // records left out
};

// Every stored game. A record that cannot be read is left out, left alone and counted: a value of it
// that breaks the store's rules, a player, a count or a figure text missing, a negative count, a
// figure text shorter than four characters, a winner other than 1 or 2 (a missing one counts as a tie).
StoredGames readStoredGames(SettingsStore& store);

// What the person is told about the records left out.
std::string skippedGamesText(int skipped);

}  // namespace tallowen
