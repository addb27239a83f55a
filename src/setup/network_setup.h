#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/appearance.h"

namespace tallowen {

// The other player of a network game as this computer is told of them.
struct RemotePlayer {
    std::string name;
    Appearance looks;
    bool operator==(const RemotePlayer&) const = default;
};

// Player 2's third choice beside "PC" and "Human": the other player sits at another computer.
// This computer either hosts the game (it plays player 1 and chooses field, movement and times)
// or joins one (it plays player 2 and the host chooses). The person's choices and what the
// connection reports are kept here; what the panel shows and which controls take input follow
// from them. The window layer runs the connection and writes what it reports.
struct NetworkSetup {
    enum class Role { Host, Join };
    // Where the connection stands: none; the host listens or the joiner dials; the other player is
    // in and no game runs; a game runs.
    enum class Link { None, Waiting, Connected, Playing };

    // --- The person's choices
    bool Chosen = false;  // "Network" in player 2's panel
    Role role = Role::Host;
    std::string Address;  // Join: the host's address as typed
    std::string Code;     // Join: the code as typed

    // --- What the connection reports
    std::vector<std::string> Addresses;  // Host: this computer's
    int Port = 0;
    std::string HostCode;
    std::string Status;  // one line: waiting, joined, connecting, or what went wrong
    Link link = Link::None;
    std::optional<RemotePlayer> peer;

    bool hosting() const { return Chosen && role == Role::Host; }
    bool joining() const { return Chosen && role == Role::Join; }
    // "Host" and "Join" may be switched while no game runs.
    bool roleEnabled() const { return link != Link::Playing; }
    // The joiner's name, address and code are typed before it dials.
    bool joinInputsEnabled() const { return link == Link::None; }
    // "Join": a typed address and six digits, and no connection yet.
    bool joinEnabled() const;
    // START: any game at one desk; with "Network", only the host and only once the other player is in.
    bool startEnabled() const;
    // The movement, the field list and its editor, and the times are the host's to choose.
    bool gameChoicesEnabled() const { return !joining(); }
    // Player 1's panel on a joining computer is the host's: it takes no input and, once connected,
    // shows the host.
    bool panelEnabled(int i) const { return !(joining() && i == 0); }
    // The addresses as one line, IPv4 first as they are kept.
    std::string addressesLine() const;
};

}  // namespace tallowen
