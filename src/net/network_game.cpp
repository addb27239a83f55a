#include "net/network_game.h"

#include <QMetaObject>
#include <QTimer>

#include "engine/player_names.h"
#include "net/protocol.h"
#include "net/texts.h"

namespace tallowen::net {

namespace {

constexpr std::string_view kTitlePrefix = "Tallowen - ";
// Messages that wait while the game is busy in a handler of its own; more means a flood.
constexpr std::size_t kMaxWaiting = 256;

template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

}  // namespace

NetworkGame::NetworkGame(GameWindow& game, int localSeat, TimerDriver& timers)
    : game_(game), local_(localSeat), remote_(3 - localSeat), away_("away", kReturnLimitMs, timers) {
    away_.setHandler([this] { endWith(local_ == 1 ? texts::notBack(peerName()) : texts::notReached(peerName())); });
}

NetworkGame::~NetworkGame() { unbind(); }

std::string NetworkGame::status() const {
    switch (state_) {
        case State::Waiting: return local_ == 1 ? texts::kWaiting : "";
        case State::Setup: return local_ == 1 ? peerName() + " has joined." : texts::waitingForStart(peerName());
        case State::Playing: return own_ ? "Waiting for " + peerName() + "'s answer…" : "";
        case State::Away:
        case State::Resuming: return texts::lost(peerName());
        case State::Ended: return "";
    }
    return "";
}

void NetworkGame::post(std::function<void()> event) {
    QMetaObject::invokeMethod(&context_, std::move(event), Qt::QueuedConnection);
}

void NetworkGame::postChanged() {
    if (changedPosted_) return;
    changedPosted_ = true;
    post([this] {
        changedPosted_ = false;
        if (events_.changed) events_.changed();
    });
}

void NetworkGame::notify(const std::string& text) {
    post([this, text] {
        if (events_.notice) events_.notice(text);
    });
}

void NetworkGame::setPeer(const PlayerLooks& peer) {
    peer_ = peer;
    post([this, peer] {
        if (events_.peer) events_.peer(peer);
    });
    postChanged();
}

void NetworkGame::joined(const PlayerLooks& peer) {
    state_ = State::Setup;
    setPeer(peer);
}

// --- Binding the game window

void NetworkGame::bind(bool keepClocksHere) {
    game_.PlayedElsewhere = {};
    game_.PlayedElsewhere[static_cast<std::size_t>(remote_)] = true;
    game_.ClockKeptElsewhere = !keepClocksHere;
    game_.setOnMove([this](int player, const BoardMove& move) { moved(player, move); });
    game_.setOnClockTick([this] { clockTicked(); });
}

void NetworkGame::unbind() {
    game_.PlayedElsewhere = {};
    game_.ClockKeptElsewhere = false;
    game_.setOnMove(nullptr);
    game_.setOnClockTick(nullptr);
}

Start NetworkGame::handOverMessage(bool resume) {
    Start s;
    const std::string& title = game_.Label2.Caption;
    s.field = sendableText(title.compare(0, kTitlePrefix.size(), kTitlePrefix) == 0 ? title.substr(kTitlePrefix.size())
                                                                                     : title);
    s.gameString = game_.Label4;
    s.star = game_.Label8 == "1";
    s.times = game_.setup.Combo1;
    s.players = {PlayerLooks{game_.Label5.Caption, game_.HR1}, PlayerLooks{game_.Label6.Caption, game_.HR2}};
    s.round = round_;
    s.resume = resume;
    return s;
}

void NetworkGame::handOver(const Start& s) {
    game_.Label2.Caption = std::string(kTitlePrefix) + s.field;
    game_.Label4 = s.gameString;
    game_.Label5.Caption = s.players[0].name;
    // This side plays its own seat: no name given by the other side makes a computer play it.
    game_.Label6.Caption = startName(s.players[1].name, 2);
    game_.HR1 = s.players[0].looks;
    game_.HR2 = s.players[1].looks;
    game_.Label8 = s.star ? "1" : "2";
    game_.setup.Option1 = s.star;
    game_.setup.Combo1 = s.times;
    game_.setup.Option19 = {computerLevelOfName(game_.Label5.Caption) == 0, computerLevelOfName(game_.Label6.Caption) == 0};
    round_ = s.round;
    line_.clear();
}

void NetworkGame::beginGame() {
    state_ = State::Playing;
    game_.Picture3.Visible = false;
    game_.Timer1.setEnabled(true);
    game_.Visible = true;
    post([this] {
        if (events_.started) events_.started();
    });
    postChanged();
}

bool NetworkGame::startAsHost() {
    if (state_ != State::Setup || !peer_) return false;
    // The joiner plays as it was let in; the host's own texts must be ones the joiner accepts.
    game_.Label6.Caption = peer_->name;
    game_.HR2 = peer_->looks;
    game_.setup.Option19[1] = true;
    game_.Label5.Caption = sendableText(game_.Label5.Caption);
    if (game_.Label5.Caption.empty()) game_.Label5.Caption = startName("", 1);
    bind(true);
    ++round_;
    line_.clear();
    sentClocks_ = {};  // no clock reads 0 after a tick: the first tick of the game is sent
    send(handOverMessage(false));
    beginGame();
    return true;
}

// --- Messages

void NetworkGame::receive(const Message& message) {
    if (inbox_.size() >= kMaxWaiting) return violation(Farewell::OutOfTurn);
    inbox_.push_back(message);
    drain();
}

void NetworkGame::drain() {
    if (draining_ || retryPosted_) return;
    // A message meets the game between its handlers: one that lets events run now (a start that
    // draws, a computer that thinks at a turn change) is finished first.
    if (game_.Timer1.firing() || game_.TimCHng.firing() || game_.TimerT.firing()) {
        retryPosted_ = true;
        QTimer::singleShot(1, &context_, [this] {
            retryPosted_ = false;
            drain();
        });
        return;
    }
    draining_ = true;
    while (!inbox_.empty() && state_ != State::Ended) {
        const Message message = std::move(inbox_.front());
        inbox_.pop_front();
        handle(message);
    }
    inbox_.clear();
    draining_ = false;
}

void NetworkGame::handle(const Message& message) {
    std::visit(Overloaded{
                   [this](const Start& m) { onStart(m); },
                   [this](const Move& m) { onMove(m); },
                   [this](const Clocks& m) { onClocks(m); },
                   [this](const Ask& m) { onAsk(m); },
                   [this](const Answer& m) { onAnswer(m); },
                   [this](const Resumed& m) { onResumed(m); },
                   [this](const PlayerChanged& m) {
                       if (local_ != 1 || state_ != State::Setup) return violation(Farewell::OutOfTurn);
                       setPeer({startName(m.player.name, 2), m.player.looks});
                   },
                   [](const Ping&) {},
                   [this](const Bye& m) { onBye(m); },
                   // The handshake is over.
                   [this](const auto&) { violation(Farewell::OutOfTurn); },
               },
               message);
}

void NetworkGame::onStart(const Start& s) {
    const bool fresh = state_ == State::Setup && !s.resume;
    const bool back = state_ == State::Resuming && s.resume;
    if (local_ != 2 || !(fresh || back)) return violation(Farewell::OutOfTurn);
    handOver(s);
    bind(false);
    if (fresh) return beginGame();
    // Coming back: the host's line is played again from the start, without a window of time in
    // which this side could click.
    replaying_ = true;
    game_.PlayedElsewhere[static_cast<std::size_t>(local_)] = true;
    game_.Picture3.Visible = false;
    game_.PL.Enabled = true;
    game_.Timer1.setEnabled(true);
    settle();
}

void NetworkGame::onMove(const Move& m) {
    const bool replay = state_ == State::Resuming && replaying_;
    if (state_ != State::Playing && !replay) return violation(Farewell::OutOfTurn);
    settle();
    const int mover = replay ? game_.CurPlayer : remote_;
    if (m.number != moves() + 1 || game_.GameOver || game_.CurPlayer != mover) return violation(Farewell::OutOfTurn);
    if (!isLegalMove(game_.board, game_.Side, game_.dirs, mover, m.move)) return violation(Farewell::Illegal);
    play(m.move);
    if (moves() != m.number) return violation(Farewell::Illegal);
    if (replay) settle();
    postChanged();
}

void NetworkGame::play(const BoardMove& move) {
    game_.PLKlik(-1, -1);
    game_.PLKlik(move.sx, move.sy);
    game_.PLKlik(move.tx, move.ty);
}

void NetworkGame::moved(int player, const BoardMove& move) {
    line_.push_back(move);
    if (player == local_ && !replaying_ && state_ == State::Playing) send(Move{moves(), move});
    // After the move, so that the asker learns why: the position has moved on.
    if (incoming_) refuseStaleQuestion();
}

bool NetworkGame::settle() {
    for (Timer* timer : {&game_.Timer1, &game_.TimCHng})
        if (timer->enabled()) timer->fire();
    return !game_.Timer1.enabled() && !game_.TimCHng.enabled();
}

// --- Clocks: the host keeps them, the joiner shows them

void NetworkGame::clockTicked() {
    if (local_ != 1 || state_ != State::Playing) return;
    const std::array<int, 2> now{game_.Clock[1], game_.Clock[2]};
    if (now == sentClocks_) return;
    sentClocks_ = now;
    send(Clocks{round_, now});
}

void NetworkGame::onClocks(const Clocks& c) {
    if (local_ != 2) return violation(Farewell::OutOfTurn);
    // Clocks of a game that a restart or new game has replaced meanwhile say nothing.
    if (state_ != State::Playing || c.round != round_) return;
    game_.setClocks(c.clock[0], c.clock[1]);
    postChanged();
}

// --- A lost connection

void NetworkGame::connectionLost() {
    if (state_ == State::Ended || state_ == State::Away) return;
    if (state_ == State::Resuming) {
        replaying_ = false;
        pause();
        state_ = State::Away;
        return;
    }
    if (state_ != State::Playing || game_.GameOver) return endWith(texts::disconnected(peerName()));
    withdrawQuestions();
    pause();
    state_ = State::Away;
    away_.setEnabled(true);
    const std::string text = texts::lost(peerName());
    notify(text);
    postChanged();
}

void NetworkGame::pause() {
    pausedTimer1_ = game_.Timer1.enabled();
    pausedTurnChange_ = game_.TimCHng.enabled();
    // Every timer stops (the clocks stand still) and a computer move on its way is dropped.
    game_.closeWindow();
    game_.PL.Enabled = false;
}

void NetworkGame::goOn() {
    if (pausedTimer1_) {
        game_.Timer1.setEnabled(true);
    } else if (pausedTurnChange_) {
        game_.TimCHng.setEnabled(true);
    } else {
        game_.TimerT.setEnabled(true);
        game_.beginMoverTurn();
    }
}

void NetworkGame::peerBack() {
    away_.setEnabled(false);
    state_ = State::Playing;
    send(handOverMessage(true));
    for (std::size_t i = 0; i < line_.size(); ++i) send(Move{static_cast<int>(i + 1), line_[i]});
    sentClocks_ = {game_.Clock[1], game_.Clock[2]};
    send(Resumed{sentClocks_});
    goOn();
    const std::string text = texts::back(peerName());
    notify(text);
    postChanged();
}

void NetworkGame::onResumed(const Resumed& r) {
    if (state_ != State::Resuming || !replaying_) return violation(Farewell::OutOfTurn);
    settle();
    replaying_ = false;
    away_.setEnabled(false);
    state_ = State::Playing;
    game_.PlayedElsewhere[static_cast<std::size_t>(local_)] = false;
    // The host's clocks take effect as the turn begins again, as they would have there.
    game_.PL.Enabled = false;
    game_.setClocks(r.clock[0], r.clock[1]);
    if (!game_.GameOver) {
        game_.TimerT.setEnabled(true);
        game_.beginMoverTurn();
    }
    const std::string text = texts::back(peerName());
    notify(text);
    postChanged();
}

// --- The end

void NetworkGame::onBye(const Bye& bye) {
    hangUp();
    endWith(bye.reason == Farewell::Left ? texts::left(peerName(), underWay())
                                         : texts::rejected(bye.reason, peerName(), underWay()));
}

void NetworkGame::violation(Farewell why) {
    if (state_ == State::Ended) return;
    send(Bye{why});
    hangUp();
    endWith(texts::received(why, peerName(), underWay()));
}

void NetworkGame::leave() {
    if (state_ == State::Ended) return;
    send(Bye{Farewell::Left});
    hangUp();
    endWith({});
}

void NetworkGame::endWith(const std::string& why) {
    if (state_ == State::Ended) return;
    withdrawQuestions();
    away_.setEnabled(false);
    replaying_ = false;
    inbox_.clear();
    // A game under way stops where it is; its field is not full, so nothing is recorded.
    if (underWay()) {
        game_.closeWindow();
        game_.PL.Enabled = false;
    }
    unbind();
    state_ = State::Ended;
    post([this, why] {
        if (events_.ended) events_.ended(why);
    });
    postChanged();
    afterEnd();
}

}  // namespace tallowen::net
