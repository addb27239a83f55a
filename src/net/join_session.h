#pragma once

#include <string>

#include "net/join_address.h"
#include "net/network_game.h"
#include "net/socket_link.h"

namespace tallowen::net {

// The joiner's side: connects to the host, proves to know the code, makes sure the host knows it
// too, and plays player 2 in the game window given once the host starts. When the connection is
// lost during a game it dials again every few seconds with the game's token until the host lets it
// back in or the time for coming back is over.
//
// For the setup window: connect(), then status() and `peer` (the host's player); the game starts
// when the host's START arrives (`started`). setJoinerPlayer() tells the host of a new name or
// figure while no game is under way.
class JoinSession : public NetworkGame {
public:
    JoinSession(GameWindow& game, TimerDriver& timers, PlayerLooks joiner, JoinAddress address, std::string code);
    ~JoinSession() override;

    void connect();
    void setJoinerPlayer(PlayerLooks joiner);
    std::string status() const override;

    // The connection to the host, while there is one.
    const SocketLink* connection() const { return link_.get(); }

private:
    void dial();
    void handshake(const Message& message);
    void dialLost();
    void fail(const std::string& why);

    void send(const Message& message) override;
    void hangUp() override;
    void afterEnd() override;

    TimerDriver& timers_;
    PlayerLooks me_;
    JoinAddress address_;
    std::string code_;
    std::string challenge_;
    std::string nonce_;
    std::string token_;  // the game's, once welcomed: the way back after a lost connection
    LinkPtr link_;
    bool welcomed_ = false;
    DrivenTimer handshake_;
    DrivenTimer retry_;
};

}  // namespace tallowen::net
