#include "opponent/hint.h"

#include "engine/mobility.h"
#include "opponent/computer_opponent.h"

namespace tallowen {

Hint::Hint(GameWindow& game, master::MasterQueue& master) : game_(game), master_(master) {
    TimHint.setHandler([this] {
        move_.reset();
        TimHint.setEnabled(false);
    });
}

bool Hint::offered() const {
    const GameWindow& g = game_;
    const auto mover = static_cast<std::size_t>(g.CurPlayer);
    // A seat played elsewhere is the other computer's turn, or this one's waiting for its answer.
    const bool personHere = g.PcLevel[mover] == 0 && !g.PlayedElsewhere[mover];
    const bool personMoves =
        personHere && g.Clock[mover] != kClockTimedOut && g.Clock[mover] != kClockOpponentTimedOut;
    const bool pending = g.Timer1.enabled() || g.TimCHng.enabled() || g.TimPC.enabled();
    return g.Visible && g.Side > 0 && g.PL.Enabled && !g.GameOver && personMoves && !pending &&
           hasLegalMove(g.board, g.Side, g.dirs, g.CurPlayer);
}

bool Hint::searching() const { return searching_ && game_.positionEpoch() == epoch_; }

void Hint::ask() {
    if (!offered() || searching()) return;
    move_.reset();
    TimHint.setEnabled(false);
    searching_ = true;
    epoch_ = game_.positionEpoch();
    // The thread reports only the search it runs last, and nothing once cancelled.
    master_.think(masterQuestion(game_, game_.CurPlayer, limits_), {}, [this](const master::Result& result) {
        searching_ = false;
        if (game_.positionEpoch() != epoch_ || !offered() || !result.best) return;
        move_ = result.best;
        TimHint.setEnabled(true);
    });
}

void Hint::press() {
    move_.reset();
    TimHint.setEnabled(false);
    if (!searching()) return;
    searching_ = false;
    master_.cancel();
}

std::optional<master::CellMove> Hint::shown() const {
    if (!move_ || game_.positionEpoch() != epoch_ || !offered()) return std::nullopt;
    return move_;
}

}  // namespace tallowen
