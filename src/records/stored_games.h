#pragma once

#include <array>
#include <optional>
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
    int skipped = 0;                // stored games left out
};

// The game that the key `keyName` below "Hry" holds, when it is whole and sound as a game ends: the
// key is there and named by a record number; no value breaks the store's rules; the field and both
// players are texts that are not empty; turns are not negative; the movement is 1 or 2; the time code
// is 10 x one time position (0 ... 4) + another; the counts are not negative and together fill a field
// of at most 16 x 16 cells, at least one; the figure texts are three band letters "A" ... "E" and a
// figure code "1" ... "8"; the winner is 1 or 2 with the larger count, or missing or 0 in a tie.
std::optional<StoredGame> soundStoredGame(const std::string& keyName, const StoredKey& key);

// Every stored game: each key below "Hry", or path that values of a lost key still name. A game that
// is not whole and sound is left out, left alone and counted.
StoredGames readStoredGames(SettingsStore& store);

// What the person is told about the records left out.
std::string skippedGamesText(int skipped);

}  // namespace tallowen
