#include "records/results_window.h"

namespace tallowen {

void ResultsWindow::prepare() {
    ComboBEnabled = !ComboB().empty();
    ComboBIndex = -1;
    List2.clear();
    player = {};
    if (ComboBEnabled) ComboB_Click(0);
    HScroll1_Change(0);
}

void ResultsWindow::ComboB_Click(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= ComboB().size()) return;
    const auto results = tallowen::ComboB_Click(statistics_, ComboB()[static_cast<std::size_t>(index)]);
    if (!results) return;
    ComboBIndex = index;
    player = *results;
    List2.assign(player.List2.begin(), player.List2.end());
}

void ResultsWindow::HScroll1_Change(int value) {
    HScroll1 = value;
    const auto lines = tallowen::HScroll1_Change(statistics_, value);
    if (lines)
        List1.assign(lines->begin(), lines->end());
    else
        List1.clear();
}

}  // namespace tallowen
