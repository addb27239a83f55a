#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "engine/appearance.h"
#include "engine/mobility.h"

namespace tallowen::net {

// A player as both screens show them: the name and the looks (colour, marks colour, figure code).
struct PlayerLooks {
    std::string name;
    Appearance looks;
    bool operator==(const PlayerLooks&) const = default;
};

// The handshake. The host greets with a fresh challenge; the joiner answers with its own nonce and
// a proof that it knows the code, bound to both (and to the token of a game it comes back to); the
// host proves the same back. See docs/network-protocol.md.
struct Hello {
    int version = 0;
    std::string challenge;
    bool operator==(const Hello&) const = default;
};
struct Join {
    int version = 0;
    std::string nonce;
    std::string proof;
    std::string token;  // empty unless the joiner comes back to a game
    PlayerLooks player;
    bool operator==(const Join&) const = default;
};
struct Welcome {
    std::string proof;
    std::string token;  // what the joiner shows to come back after a lost connection
    bool resume = false;
    PlayerLooks player;
    bool operator==(const Welcome&) const = default;
};
enum class Refusal { Busy, Version, Code, Closed, Timeout };
struct Refused {
    Refusal reason = Refusal::Busy;
    bool operator==(const Refused&) const = default;
};

// The game, as the host's START hands it over (or hands it over again to a player coming back).
struct Start {
    std::string field;       // the field's name
    std::string gameString;  // field string and first mover
    bool star = true;        // the movement rule: Star, else Cross
    std::array<int, 2> times{};  // each player's time list position 0 ... 4
    std::array<PlayerLooks, 2> players;
    int round = 0;  // counts the games started and restarted on this connection
    bool resume = false;
    bool operator==(const Start&) const = default;
};
struct Move {
    int number = 0;  // 1 for the first move of the game's line
    BoardMove move;
    bool operator==(const Move&) const = default;
};
struct Clocks {
    int round = 0;
    std::array<int, 2> clock{};  // as the game window's Clock holds them
    bool operator==(const Clocks&) const = default;
};
enum class Request { Undo, Restart, NewGame };
// A question holds for the game (round) and position (moves made) it was asked at.
struct Ask {
    Request what = Request::Undo;
    int round = 0;
    int moves = 0;
    bool operator==(const Ask&) const = default;
};
struct Answer {
    bool allow = false;
    int round = 0;
    int moves = 0;
    bool operator==(const Answer&) const = default;
};
// The end of a resume: the host's clocks; play goes on.
struct Resumed {
    std::array<int, 2> clock{};
    bool operator==(const Resumed&) const = default;
};
// The joiner's name or looks changed while no game runs.
struct PlayerChanged {
    PlayerLooks player;
    bool operator==(const PlayerChanged&) const = default;
};
struct Ping {
    bool operator==(const Ping&) const = default;
};
// Why a side ends the connection: its player left, or the other side sent what it does not accept.
enum class Farewell { Left, Malformed, Oversized, OutOfTurn, Illegal };
struct Bye {
    Farewell reason = Farewell::Left;
    bool operator==(const Bye&) const = default;
};

using Message =
    std::variant<Hello, Join, Welcome, Refused, Start, Move, Clocks, Ask, Answer, Resumed, PlayerChanged, Ping, Bye>;

// One line of the protocol (without its newline) as a message, or nothing when the line is not one
// (not JSON, an unknown type, a key missing or extra, a value of the wrong kind or out of range).
std::optional<Message> readMessage(std::string_view line);

// The message as one line, without the newline.
std::string writeMessage(const Message& message);

// A text the other side may be sent: a name or a field name. Too long or holding control
// characters, it is not.
bool isSendableText(std::string_view text, bool mayBeEmpty);
// The text cut to the longest whole-character head that may be sent.
std::string sendableText(std::string_view text);

}  // namespace tallowen::net
