// Undo, restart and new game in a network game: one side asks, the other allows or refuses, and an
// allowed command runs on both computers at the same game and position. While a question waits,
// the asker cannot move; a question that the position has overtaken is refused on its own.
#include "net/network_game.h"
#include "net/texts.h"

namespace tallowen::net {

bool NetworkGame::feasible(Request what, int asker) const {
    if (what != Request::Undo) return true;
    const int index = game_.CurPlayer == asker ? 2 : 1;
    return !game_.GameOver && moves() >= index;
}

bool NetworkGame::canAsk(Request what) const {
    if (state_ != State::Playing || own_ || incoming_ || replaying_) return false;
    // While the computer makes this side's moves (its time or the other's ran out) the side cannot
    // wait for an answer on its own turn.
    const auto seat = static_cast<std::size_t>(local_);
    const int clock = game_.Clock[seat];
    const bool computerMoves = game_.PcLevel[seat] != 0 || clock == kClockTimedOut || clock == kClockOpponentTimedOut;
    if (computerMoves && game_.CurPlayer == local_ && !game_.GameOver) return false;
    return feasible(what, local_);
}

bool NetworkGame::ask(Request what) {
    // The start or turn change under way comes first, so that the position is the other side's too.
    if (!canAsk(what) || !settle() || !canAsk(what)) return false;
    own_ = Ask{what, round_, moves()};
    // On its own turn the asker waits without moving; the other side cannot move meanwhile.
    held_ = game_.CurPlayer == local_ && !game_.GameOver;
    if (held_) game_.PlayedElsewhere[static_cast<std::size_t>(local_)] = true;
    send(*own_);
    postChanged();
    return true;
}

void NetworkGame::releaseHold(bool goOn) {
    if (!held_) return;
    held_ = false;
    game_.PlayedElsewhere[static_cast<std::size_t>(local_)] = false;
    // A clock that ran out meanwhile hands the move to the computer now.
    if (goOn && !game_.GameOver && game_.CurPlayer == local_) game_.beginMoverTurn();
}

void NetworkGame::onAsk(const Ask& a) {
    const Answer no{false, a.round, a.moves};
    if (incoming_) return violation(Farewell::OutOfTurn);
    if (state_ != State::Playing) return send(no);
    if (own_) {
        // Both asked at once: the host's question goes first.
        if (local_ == 1) return send(no);
        own_.reset();
        releaseHold(true);
    }
    settle();
    if (a.round != round_ || a.moves != moves() || !feasible(a.what, remote_)) return send(no);
    incoming_ = a;
    const std::string text = texts::question(a.what, peerName());
    post([this, what = a.what, text] {
        if (events_.question) events_.question(what, text);
    });
    postChanged();
}

void NetworkGame::answer(bool allow) {
    if (!incoming_) return;
    const Ask a = *incoming_;
    incoming_.reset();
    settle();
    const bool current = state_ == State::Playing && a.round == round_ && a.moves == moves() && feasible(a.what, remote_);
    send(Answer{allow && current, a.round, a.moves});
    if (allow && current) perform(a.what, remote_);
    postChanged();
}

void NetworkGame::refuseStaleQuestion() {
    const Ask a = *incoming_;
    incoming_.reset();
    send(Answer{false, a.round, a.moves});
    post([this] {
        if (events_.questionWithdrawn) events_.questionWithdrawn();
    });
}

void NetworkGame::onAnswer(const Answer& a) {
    // An answer to no question of this side's (withdrawn, or sent by a confused peer) says nothing.
    if (!own_ || a.round != own_->round || a.moves != own_->moves) return;
    const Ask mine = *own_;
    own_.reset();
    settle();
    const bool current = state_ == State::Playing && round_ == mine.round && moves() == mine.moves;
    releaseHold(!(a.allow && current));
    if (a.allow && current) {
        perform(mine.what, local_);
    } else {
        const std::string text = current ? texts::refused(mine.what, peerName()) : texts::overtaken(peerName());
        notify(text);
    }
    postChanged();
}

void NetworkGame::perform(Request what, int asker) {
    switch (what) {
        case Request::Undo: {
            settle();
            const int index = game_.CurPlayer == asker ? 2 : 1;
            game_.TZ_Click(index);
            line_.resize(line_.size() - static_cast<std::size_t>(index));
            break;
        }
        case Request::Restart:
            ++round_;
            line_.clear();
            sentClocks_ = {};
            game_.NG_Click();
            break;
        case Request::NewGame:
            ++round_;
            line_.clear();
            state_ = State::Setup;
            game_.UNG_Click();
            break;
    }
}

void NetworkGame::withdrawQuestions() {
    if (own_) {
        own_.reset();
        releaseHold(false);
    }
    if (incoming_) {
        incoming_.reset();
        post([this] {
            if (events_.questionWithdrawn) events_.questionWithdrawn();
        });
    }
}

}  // namespace tallowen::net
