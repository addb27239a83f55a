#pragma once

#include <array>
#include <string>
#include <vector>

#include "records/results.h"
#include "records/survey.h"

namespace tallowen {

// The results window's model over the statistics of the last survey: the player section (ComboB,
// the figure and the four lines of List2) and the paged list of every game (HScroll1, List1).
class ResultsWindow {
public:
    explicit ResultsWindow(const Statistics& statistics) : statistics_(statistics) {}

    // Before the window shows: the first player is selected, or with none the player list is
    // disabled and its lines cleared; the pager stands on the first game.
    void prepare();
    void ComboB_Click(int index);
    void HScroll1_Change(int value);

    const std::vector<std::string>& ComboB() const { return statistics_.ComboB; }
    int HScroll1Max() const { return statistics_.HScroll1Max; }

    bool ComboBEnabled = true;
    int ComboBIndex = -1;
    std::vector<std::string> List2;
    PlayerResults player;  // its figure is drawn into Picture4 while a player is selected
    int HScroll1 = 0;
    std::vector<std::string> List1;

private:
    const Statistics& statistics_;
};

}  // namespace tallowen
