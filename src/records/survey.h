#pragma once

#include <array>
#include <string>
#include <vector>

#include "records/settings_store.h"

namespace tallowen {

// An editable combo box: the text in its box and the items of its list.
struct NameBox {
    std::string Text;
    std::vector<std::string> List;
};

// What the statistics survey fills: the setup window's hidden lists LST(0) ... LST(13) and its
// name boxes Text3(0) and Text3(1), and the results window's player list ComboB and the maximum of
// its scroll bar HScroll1.
//
// Per stored game: LST(0) field, (1) player 1, (2) player 2, (3) movement, (4) turns, (5) winner,
// (6) times code, (8) "(" player 1's count ")", (9) the same for player 2, (10) the winner's share;
// two entries per game: (7) loser then winner, (11) their figure texts. Per known name: (12) the
// figure text of each person in Text3's lists, (13) that of each player in ComboB.
struct Statistics {
    std::array<std::vector<std::string>, 14> LST;
    std::array<NameBox, 2> Text3;
    std::vector<std::string> ComboB;
    int HScroll1Max = -1;
    int skippedRecords = 0;  // stored games the last run left out because they could not be read
};

// Rebuilds the statistics from every stored game in number order. The name boxes keep the texts
// typed into them; each known name is listed once, with the figure of its earliest game. When the
// number of records left out differs from the last run's (at the first run: when any is), the store
// queues a message saying how many, so the person hears of them once and not at every new game.
void PruzkHer(SettingsStore& store, Statistics& statistics);

}  // namespace tallowen
