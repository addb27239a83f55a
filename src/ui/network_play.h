#pragma once

#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "eventloop/qt_timer_driver.h"
#include "net/host_session.h"
#include "net/join_session.h"


namespace tallowen {

class Form1;
class GameSession;
class SetupWindow;

// The windows' side of a game with another computer. It follows player 2's "Network" choice in the
// setup window: "Host" listens at once and shows the addresses, port and code; "Join" dials when
// asked. It writes what the connection reports into the setup window's model, hands the host's
// START to the other computer, routes undo, restart, new game and exit of the game window through
// the other side, and shows what the other side asks or tells. Every text comes from net/.
class NetworkPlay {
public:
    NetworkPlay(GameSession& session, SetupWindow& setup, Form1& form1);
    ~NetworkPlay();
    NetworkPlay(const NetworkPlay&) = delete;
    NetworkPlay& operator=(const NetworkPlay&) = delete;

    // The port and code a host listens with from now on (the command line's); otherwise the
    // protocol's port and a fresh code.
    void setHostPort(std::uint16_t port) { port_ = port; }
    void setHostCode(std::string code) { code_ = std::move(code); }

    // The setup window's choices changed: hosting starts or stops, the other computer hears of
    // this player's name and figure.
    void follow();
    // "Join": dials the typed address with the typed code.
    void join();
    // START: true when a network game took it (this computer hosts and the other player is in).
    bool start();

    // The session under way, if any (tests look at it).
    net::NetworkGame* game() const;
    // The open question from the other side, if any.
    QMessageBox* question() const { return question_; }

private:
    net::PlayerLooks ownPlayer() const;
    net::NetworkGame::Events events();
    // A game with the other computer is under way: the game window's commands go through it.
    bool playing() const;
    void refresh();
    void ask(const std::string& text);
    void closeQuestion();
    void tell(const std::string& text);
    void ended(const std::string& why);
    void drop();

    GameSession& session_;
    SetupWindow& setup_;
    Form1& form1_;
    QtTimerDriver timers_;
    std::uint16_t port_;
    std::string code_;
    std::unique_ptr<net::HostSession> host_;
    std::unique_ptr<net::JoinSession> join_;
    std::optional<net::PlayerLooks> told_;  // this player as the other computer last heard of them
    std::string ending_;                    // why the last connection ended, while none is made
    QPointer<QMessageBox> question_;
    QObject context_;  // what waits in the event loop for this object goes with it
};

}  // namespace tallowen
