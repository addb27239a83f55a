#pragma once

#include <QObject>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/game_window.h"
#include "engine/timer.h"
#include "net/message.h"

namespace tallowen::net {

// One computer's side of a game played across two: the host is player 1, the joiner player 2.
// It binds the other player to their seat, lets each received move into the game window where a
// click would go and only when the local engine finds it legal for that side at that turn, keeps
// the clocks as the host keeps them, asks the other side before undo, restart and new game, holds
// the game while the connection is lost, and ends it on both computers, unrecorded, when the other
// side sends what it must not. HostSession and JoinSession add the connection and the handshake.
//
// How a window drives it (the window decides nothing; every text comes from here):
//  - The game window's model (GameWindow) is the same as for a game at one desk; mirror it on
//    `changed`. Board clicks go to the model as always: it ignores them while the other player is
//    to move. Undo, restart and new game go to askUndo(), askRestart(), askNewGame() instead of
//    the model (enable them by canAsk()); exit goes to leave().
//  - `question` carries what is asked and a text such as "Eva asks to take back their move.
//    Allow?": show it with Allow and Refuse and call answer(); `questionWithdrawn` closes it again when it no longer
//    applies. `notice` carries a text to show with an OK button (a refusal, a lost connection,
//    the other player back). `ended` carries why the network game is over (empty when this side
//    left); the game window stays as it was, its board disabled.
//  - `peer` gives the other player's name and looks for the setup window's player 2 (or 1) panel;
//    `started` says a game was handed over and starts: show the game window.
//  - status() is one line for the setup window ("Waiting for the other player…").
// Every event is delivered from the event loop, never from inside a call into this object, so a
// handler may show a dialog or end the session (with deleteLater, not delete).
class NetworkGame {
public:
    enum class State {
        Waiting,   // host: no one has joined; joiner: connecting
        Setup,     // both connected, no game under way: the host's START starts one
        Playing,   // a game under way or finished
        Away,      // the connection is lost; the other player may come back for a while
        Resuming,  // joiner: back, taking the host's position over
        Ended,     // over; nothing more happens
    };

    struct Events {
        std::function<void()> changed;
        std::function<void(const PlayerLooks&)> peer;
        std::function<void()> started;
        std::function<void(const std::string&)> notice;
        std::function<void(Request, const std::string&)> question;
        std::function<void()> questionWithdrawn;
        std::function<void(const std::string&)> ended;
    };

    NetworkGame(const NetworkGame&) = delete;
    NetworkGame& operator=(const NetworkGame&) = delete;

    void setEvents(Events events) { events_ = std::move(events); }

    State state() const { return state_; }
    int localSeat() const { return local_; }
    const std::optional<PlayerLooks>& peer() const { return peer_; }
    // One line for the setup window: waiting, connected, waiting for an answer, lost.
    virtual std::string status() const;

    // Whether the request may be made now: a game under way, no question open, and for undo a move
    // of this side's to take back (its last move, and the other side's reply when this side is to
    // move).
    bool canAsk(Request what) const;
    // Sends the question; false when it cannot be asked now. Until the answer comes this side
    // cannot move.
    bool askUndo() { return ask(Request::Undo); }
    bool askRestart() { return ask(Request::Restart); }
    bool askNewGame() { return ask(Request::NewGame); }
    // The answer to the question shown last; allowed, the command runs on both computers.
    void answer(bool allow);
    // This side leaves: the other side is told, a game under way ends unrecorded.
    void leave();

    // Counts the games started and restarted on this connection.
    int round() const { return round_; }
    // The moves of the game's line (undone moves are not in it).
    const std::vector<BoardMove>& line() const { return line_; }

protected:
    NetworkGame(GameWindow& game, int localSeat, TimerDriver& timers);
    virtual ~NetworkGame();

    // The connection: a message goes out; the connection closes once what was sent is out.
    virtual void send(const Message& message) = 0;
    virtual void hangUp() = 0;
    // The game is over: the session lets the connection go and settles in its state after an end.
    virtual void afterEnd() = 0;

    // From the session, after its handshake:
    void joined(const PlayerLooks& peer);
    void receive(const Message& message);
    // The connection refused a line (not a message, or too long).
    void faultyLine(Farewell why) { violation(why); }
    void connectionLost();
    // Host: the same player came back; the position goes to them and play goes on.
    void peerBack();
    // Joiner: back in, the host's position comes next.
    void resuming() { state_ = State::Resuming; }
    // The host's START: the hand-over written into the game window goes to both computers.
    bool startAsHost();
    void setPeer(const PlayerLooks& peer);
    // Tells the player (the `notice` event).
    void notify(const std::string& text);
    void endWith(const std::string& why);
    void setState(State state) { state_ = state; }

    GameWindow& game() { return game_; }
    std::string peerName() const { return peer_ ? peer_->name : "the other player"; }

private:
    void drain();
    void handle(const Message& message);
    void onStart(const Start& start);
    void onMove(const Move& move);
    void onClocks(const Clocks& clocks);
    void onAsk(const Ask& ask);
    void onAnswer(const Answer& answer);
    void onResumed(const Resumed& resumed);
    void onBye(const Bye& bye);
    void violation(Farewell why);

    bool ask(Request what);
    bool feasible(Request what, int asker) const;
    void perform(Request what, int asker);
    void withdrawQuestions();
    void releaseHold(bool goOn);
    void refuseStaleQuestion();

    void bind(bool keepClocksHere);
    void unbind();
    void handOver(const Start& start);
    Start handOverMessage(bool resume);
    void beginGame();
    bool settle();
    void play(const BoardMove& move);
    void moved(int player, const BoardMove& move);
    void clockTicked();
    void pause();
    void goOn();

    int moves() const { return static_cast<int>(line_.size()); }
    // A game started and not finished: ending now leaves it unrecorded.
    bool underWay() const {
        const bool playing = state_ == State::Playing || state_ == State::Away || state_ == State::Resuming;
        return playing && !game_.GameOver;
    }
    void post(std::function<void()> event);
    void postChanged();

    GameWindow& game_;
    const int local_;
    const int remote_;
    State state_ = State::Waiting;
    Events events_;
    std::optional<PlayerLooks> peer_;
    std::vector<BoardMove> line_;
    int round_ = 0;
    std::array<int, 2> sentClocks_{};
    std::optional<Ask> own_;       // this side's question, unanswered
    bool held_ = false;            // this side may not move until its question is answered
    std::optional<Ask> incoming_;  // the other side's question, shown
    bool replaying_ = false;
    bool pausedTimer1_ = false;
    bool pausedTurnChange_ = false;
    std::deque<Message> inbox_;
    bool draining_ = false;
    bool retryPosted_ = false;
    bool changedPosted_ = false;
    DrivenTimer away_;
    QObject context_;  // the events wait in the event loop in its name; they go with it
};

}  // namespace tallowen::net
