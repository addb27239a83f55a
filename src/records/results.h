#pragma once

#include <array>
#include <optional>
#include <string>

#include "records/figure_text.h"
#include "records/survey.h"

namespace tallowen {

// The setup window's time list, by position.
inline const std::array<std::string, 5> kTimeListItems = {"Neomezeně", "90 minut", "60 minut", "30 minut",
                                                           "10 minut"};

// " game" for 1, " games" for 0 and more, a blank otherwise.
std::string GameCountText(long count);

// The results window's player section for one player.
struct PlayerResults {
    std::array<std::string, 4> List2;  // won, lost, total played, success
    StoredFigure figure;               // drawn into Picture4
    int level = 0;                     // the face marks of a computer player, 0 for a person
};

// The player section for `player` as selected in ComboB; nothing when ComboB has no such entry. A
// game against oneself counts as two games, one won and one lost.
std::optional<PlayerResults> ComboB_Click(const Statistics& statistics, const std::string& player);

// The eight lines of List1 for the stored game at scroll position k; nothing when there is no such game.
std::optional<std::array<std::string, 8>> HScroll1_Change(const Statistics& statistics, int k);

}  // namespace tallowen
