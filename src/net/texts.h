#pragma once

#include <string>

#include "net/message.h"

// What the players of a network game are told, in one place. `name` is the other player's name as
// the screens show it.
namespace tallowen::net::texts {

inline constexpr const char* kWaiting = "Waiting for the other player…";

std::string connecting(const std::string& address);
std::string waitingForStart(const std::string& name);

std::string question(Request what, const std::string& name);
// The two answers to a question.
inline constexpr const char* kAllow = "Allow";
inline constexpr const char* kRefuse = "Refuse";
std::string refused(Request what, const std::string& name);
// The other side moved on before it saw the question.
std::string overtaken(const std::string& name);

// `unfinished`: a game was under way and ends unrecorded.
std::string left(const std::string& name, bool unfinished);
std::string lost(const std::string& name);
std::string back(const std::string& name);
std::string notBack(const std::string& name);
// The joiner could not reach the host again.
std::string notReached(const std::string& name);
// The connection ended before a game was under way.
std::string disconnected(const std::string& name);

// The other side sent what this one does not accept.
std::string received(Farewell why, const std::string& name, bool unfinished);
// The other side did not accept what this one sent.
std::string rejected(Farewell why, const std::string& name, bool unfinished);

// The host would not let this side in.
std::string refusal(Refusal why);
// A joiner knocked and was turned away for this reason (the host is told).
std::string turnedAway(Refusal why);
// The host that was dialled did not prove it knows the code.
inline constexpr const char* kHostUnproven = "The other computer does not know this game's code: not joined.";
// The connection could not be made or broke before the game was joined.
std::string unreachable(const std::string& address, const std::string& why);

}  // namespace tallowen::net::texts
