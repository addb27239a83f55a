#pragma once

#include <QTcpServer>
#include <cstdint>
#include <optional>
#include <string>

#include "net/network_game.h"
#include "net/protocol.h"
#include "net/socket_link.h"

namespace tallowen::net {

// The host's side: listens for the joiner, lets in the one who proves to know the code, turns
// everyone else away with a reason, and plays player 1 in the game window given. A joiner whose
// connection was lost may come back with the code and the game's token. After a network game ends
// the host waits for a player again, with the same code, unless too many wrong codes were tried.
//
// For the setup window: listen(), then show localAddresses() (join_address.h), port(), code() and
// status(); `peer` tells who joined; START writes the hand-over into the game window as for a game
// at one desk, then calls start().
class HostSession : public NetworkGame {
public:
    HostSession(GameWindow& game, TimerDriver& timers, PlayerLooks host, std::string code);
    ~HostSession() override;

    // Listens on all addresses at the port (0: any free one); nothing when listening, else why not.
    std::optional<std::string> listen(std::uint16_t port = kDefaultPort);
    std::uint16_t port() const { return server_.serverPort(); }
    // False once too many wrong codes were tried: no one can join any more.
    bool listening() const { return server_.isListening(); }
    const std::string& code() const { return code_; }

    // The host's own name and looks, as the joiner is greeted with them (the game's START sends
    // them again as the game window holds them).
    void setHostPlayer(PlayerLooks host) {
        host_ = std::move(host);
        host_.name = sendableText(host_.name);
    }
    // Starts the game handed over in the game window on both computers; false when no one has
    // joined or a game is under way.
    bool start() { return startAsHost(); }

    // The connection to the player who joined, while there is one.
    const SocketLink* connection() const { return peer_.get(); }

private:
    void knock();
    void handshake(const Message& message);
    void letIn(const Join& join);
    void turnAway(SocketLink& link, Refusal why);
    void dropKnocking();

    void send(const Message& message) override;
    void hangUp() override;
    void afterEnd() override;

    TimerDriver& timers_;
    QTcpServer server_;
    std::string code_;
    PlayerLooks host_;
    LinkPtr peer_;
    LinkPtr knocking_;  // a connection in its handshake
    std::string challenge_;
    std::string token_;
    DrivenTimer handshake_;
    int wrongCodes_ = 0;
    bool closed_ = false;
};

}  // namespace tallowen::net
