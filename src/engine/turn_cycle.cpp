#include <cmath>

#include "engine/field_strings.h"
#include "engine/game_window.h"
#include "engine/mobility.h"
#include "engine/number_text.h"

namespace tallowen {

void GameWindow::setTurnLabel() {
    Label7.Caption = withSignBlank(static_cast<long>(TurnCount) + 1) + ". TURN";
}

bool GameWindow::moverCanMove() const { return hasLegalMove(board, Side, dirs, CurPlayer); }

void GameWindow::turnChange() {
    TimerT.setEnabled(false);
    setTurnLabel();
    TurnCount += 0.5;

    const bool undoBlocked = TurnCount <= 1 || Picture3.Visible;
    if (Picture13[7].Visible != undoBlocked) Picture13[7].Visible = undoBlocked;

    const auto entry = static_cast<std::size_t>(2 * TurnCount - 1);
    if (History.size() <= entry) History.resize(entry + 1);
    History[entry] = makeSnapshot(board, Side);

    CurPlayer = 3 - CurPlayer;
    OppPlayer = 3 - CurPlayer;

    Label& mover = CurPlayer == 1 ? Label5 : Label6;
    Label& other = CurPlayer == 1 ? Label6 : Label5;
    const Appearance& looks = looksOf(CurPlayer);
    mover.FontBold = true;
    other.FontBold = false;
    mover.ForeColor = looks.ForeColor;
    other.ForeColor = kWhite;
    Line1[0].BorderColor = looks.BackColor;
    Line1[1].BorderColor = looks.ForeColor;
    Line1[2].BorderColor = kWhite;
    view_.showMover(*this);

    const std::uint64_t epoch = epoch_;
    if (!moverCanMove())
        fillForOpponent();
    else
        beginMoverTurn();

    // An undo, restart or new game while the computer's search let events run has taken the game
    // over with timers of its own: this turn change must not stop them.
    if (epoch_ != epoch) return;
    TimerT.setEnabled(true);
    TimCHng.setEnabled(false);
}

void GameWindow::beginMoverTurn() {
    PL.Enabled = true;
    if (PlayedElsewhere[CurPlayer]) return;
    const int level = PcLevel[CurPlayer];
    if (level != 0) {
        Picture9.Visible = true;
        if (computer_) computer_->PcIQ(CurPlayer, level);
    } else if (computer_) {
        if (Clock[CurPlayer] == kClockTimedOut)
            computer_->PcIQ(CurPlayer, 0);
        else if (Clock[CurPlayer] == kClockOpponentTimedOut)
            computer_->PcIQ(CurPlayer, 2);
    }
}

void GameWindow::fillForOpponent() {
    view_.setProgressScale((Side - 1) * Side);
    const Colour strip = looksOf(OppPlayer).ForeColor;
    for (int x = 0; x < Side; ++x)
        for (int y = 0; y < Side; ++y) {
            if (board(x, y) == kEmpty) {
                board(x, y) = pieceOf(OppPlayer);
                DRWP(x, y);
            }
            view_.fillProgress(x * (Side - 1) + y, strip);
        }
    view_.clearProgress();
    Score();
}

void GameWindow::clockTick() {
    if (!PL.Enabled || Minimized) return;
    const int c = CurPlayer;
    bool ranOut = false;
    if (Clock[c] > 0 && !ClockKeptElsewhere) {
        --Clock[c];
        Label3[c].Caption = CoCas(Clock[c]);
    }
    if (Clock[c] == 0 && !ClockKeptElsewhere) {
        Clock[c] = kClockTimedOut;
        Clock[3 - c] = kClockOpponentTimedOut;
        Label3[c].Caption = "0:00:00";
        Label3[3 - c].Caption.clear();
        ranOut = true;
    }
    if (Clock[c] == kClockNoLimit) {
        Clock[c] = kClockNoLimitCleared;
        Label3[c].Caption.clear();
    }
    if (Clock[c] == kClockTimedOut) {
        TimerT.setInterval(100);
        if (Label3[c].ForeColor == kWhite)
            Label3[c].ForeColor = kClockFlash;
        else if (Label3[c].ForeColor == kClockFlash)
            Label3[c].ForeColor = kWhite;
    }
    if (ranOut) moveForTimedOutMover();
    if (onClockTick_) onClockTick_();
}

// A person whose time runs out during their own turn can no longer click; the computer makes that
// move at once, as it will make that side's later ones, instead of stalling the game.
void GameWindow::moveForTimedOutMover() {
    const int c = CurPlayer;
    if (PcLevel[c] != 0 || PlayedElsewhere[c] || !computer_ || TimCHng.enabled() || TimPC.enabled()) return;
    PLKlik(-1, -1);
    computer_->PcIQ(c, 0);
}

void GameWindow::setClocks(int clock1, int clock2) {
    int ranOut = 0;
    for (int p = 1; p <= 2; ++p) {
        const int value = p == 1 ? clock1 : clock2;
        if (Clock[p] == value) continue;
        Clock[p] = value;
        Label3[p].Caption = value > 0 ? CoCas(value) : value == kClockTimedOut ? "0:00:00" : "";
        if (value == kClockTimedOut) ranOut = p;
    }
    if (ranOut == 0) return;
    TimerT.setInterval(100);
    // As on the tick, which does nothing while the board is disabled.
    if (ranOut == CurPlayer && PL.Enabled) moveForTimedOutMover();
}

}  // namespace tallowen
