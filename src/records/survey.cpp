#include "records/survey.h"

#include <algorithm>

#include "records/stored_games.h"

namespace tallowen {

namespace {

bool listedAsName(const std::string& name) { return name != "TIE!" && name != "Player 1" && name != "Player 2"; }

}  // namespace

void PruzkHer(SettingsStore& store, Statistics& statistics) {
    auto& LST = statistics.LST;
    for (auto& list : LST) list.clear();
    for (auto& box : statistics.Text3) box.List.clear();
    statistics.ComboB.clear();

    const StoredGames stored = readStoredGames(store);
    if (stored.skipped > 0 && stored.skipped != statistics.skippedRecords)
        store.queueMessage(skippedGamesText(stored.skipped));
    statistics.skippedRecords = stored.skipped;
    for (const StoredGame& game : stored.games) {
        LST[0].push_back(game.fieldName);
        LST[1].push_back(game.player1);
        LST[2].push_back(game.player2);
        LST[8].push_back("(" + std::to_string(game.count1) + ")");
        LST[9].push_back("(" + std::to_string(game.count2) + ")");
        LST[3].push_back(game.movement);
        LST[4].push_back(game.turns);
        LST[5].push_back(game.winner);
        LST[10].push_back(game.share);
        LST[6].push_back(game.times);
        for (int i = 0; i < 2; ++i) {
            LST[7].push_back(game.loserThenWinner[i]);
            LST[11].push_back(game.loserThenWinnerFigure[i]);
        }
    }

    auto& names = statistics.ComboB;
    for (std::size_t j = 0; j < LST[7].size(); ++j) {
        const std::string& name = LST[7][j];
        if (!listedAsName(name) || std::find(names.begin(), names.end(), name) != names.end()) continue;
        names.push_back(name);
        LST[13].push_back(LST[11][j]);
        if (name.compare(0, 3, "PC ") != 0) {
            statistics.Text3[0].List.push_back(name);
            statistics.Text3[1].List.push_back(name);
            LST[12].push_back(LST[11][j]);
        }
    }
    statistics.HScroll1Max = static_cast<int>(LST[0].size()) - 1;
}

}  // namespace tallowen
