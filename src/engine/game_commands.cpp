#include <initializer_list>

#include "engine/field_strings.h"
#include "engine/game_window.h"

namespace tallowen {

void GameWindow::NG_Click() {
    // The turn change and computer move of the abandoned game must not run on the cleared board.
    TimCHng.setEnabled(false);
    dropPendingComputerMove();
    ++epoch_;
    PLKlik(-1, -1);
    PLS.Visible = true;
    PL.Enabled = true;
    Timer1.setEnabled(true);
    Picture3.Visible = false;
    view_.clearBoard();
    board.clear();
}

void GameWindow::UNG_Click() {
    TimCHng.setEnabled(false);
    TimerT.setEnabled(false);
    dropPendingComputerMove();
    ++epoch_;
    if (!Label4.empty()) Label4.pop_back();
    while (!Label4.empty() && (Label4.back() == '1' || Label4.back() == '2')) Label4.pop_back();
    Visible = false;
    PLS.Visible = true;
    PL.Enabled = true;
    Picture3.Visible = false;
    view_.clearBoard();
    board.clear();
    if (onNewGame_) onNewGame_();
}

void GameWindow::closeWindow() {
    for (Timer* timer : {&Timer1, &TimCHng, &TimerT}) timer->setEnabled(false);
    dropPendingComputerMove();
    ++epoch_;
}

void GameWindow::TZ_Click(int index) {
    if (index < 1 || index > 2) return;
    if (TurnCount < 0.5 * (index + 1)) return;
    const double restored = TurnCount - index - (2 - index) * 0.5;
    const auto entry = static_cast<std::size_t>(2 * restored + 1);
    if (entry >= History.size()) return;
    dropPendingComputerMove();
    ++epoch_;
    PLKlik(-1, -1);
    TurnCount = restored;
    restoreSnapshot(History[entry], Side, board, [this](int x, int y) { DRWP(x, y); });
    TurnCount += index * 0.5;
    setTurnLabel();
    if (index == 2) {
        TurnCount -= 0.5;
        CurPlayer = 3 - CurPlayer;
    }
    TimCHng.setEnabled(true);
    Score();
}

}  // namespace tallowen
