#include "net/texts.h"

namespace tallowen::net::texts {

namespace {

constexpr const char* kUnrecorded = " The game has ended and is not recorded.";

const char* what(Farewell why) {
    switch (why) {
        case Farewell::Left: return "a goodbye";
        case Farewell::Malformed: return "a message this game does not understand";
        case Farewell::Oversized: return "a message longer than the game allows";
        case Farewell::OutOfTurn: return "a message out of turn";
        case Farewell::Illegal: return "a move the rules do not allow";
    }
    return "";
}

}  // namespace

std::string connecting(const std::string& address) { return "Connecting to " + address + "…"; }

std::string waitingForStart(const std::string& name) { return "Connected. Waiting for " + name + " to start the game…"; }

std::string question(Request what, const std::string& name) {
    switch (what) {
        case Request::Undo: return name + " asks to take back their move. Allow?";
        case Request::Restart: return name + " asks to restart the game. Allow?";
        case Request::NewGame: return name + " asks for a new game. Allow?";
    }
    return "";
}

std::string refused(Request what, const std::string& name) {
    switch (what) {
        case Request::Undo: return name + " does not allow taking back your move.";
        case Request::Restart: return name + " does not want to restart the game.";
        case Request::NewGame: return name + " does not want a new game.";
    }
    return "";
}

std::string overtaken(const std::string& name) { return name + " moved before seeing your question. Ask again if you like."; }

std::string left(const std::string& name, bool unfinished) {
    return unfinished ? name + " has left the game." + kUnrecorded : name + " has left.";
}

std::string lost(const std::string& name) {
    return "The connection to " + name + " was lost — waiting 2 minutes for them to come back";
}

std::string back(const std::string& name) { return name + " is back. The game goes on."; }

std::string notBack(const std::string& name) { return name + " did not come back within 2 minutes." + kUnrecorded; }

std::string notReached(const std::string& name) {
    return "Could not reach " + name + " again within 2 minutes." + kUnrecorded;
}

std::string disconnected(const std::string& name) { return "The connection to " + name + " has ended."; }

std::string received(Farewell why, const std::string& name, bool unfinished) {
    return name + "'s computer sent " + what(why) + "." + (unfinished ? kUnrecorded : " The connection has ended.");
}

std::string rejected(Farewell why, const std::string& name, bool unfinished) {
    return name + "'s computer ended the connection: it received " + what(why) + " from this computer." +
           (unfinished ? kUnrecorded : "");
}

std::string refusal(Refusal why) {
    switch (why) {
        case Refusal::Busy: return "That game already has its second player.";
        case Refusal::Version: return "The other computer plays another version of the network game: update both.";
        case Refusal::Code: return "The code is not this game's code.";
        case Refusal::Closed: return "That game lets no one in any more: too many wrong codes were tried.";
        case Refusal::Timeout: return "Joining took longer than 10 seconds.";
    }
    return "";
}

std::string turnedAway(Refusal why) {
    switch (why) {
        case Refusal::Busy: return "Another computer tried to join; it was told the game is taken.";
        case Refusal::Version: return "A computer with another version of the network game tried to join.";
        case Refusal::Code: return "A computer tried to join with a wrong code.";
        case Refusal::Closed: return "Too many wrong codes were tried: no one else can join this game.";
        case Refusal::Timeout: return "A computer connected but did not finish joining within 10 seconds.";
    }
    return "";
}

std::string unreachable(const std::string& address, const std::string& why) {
    return "Could not join the game at " + address + ": " + why;
}

}  // namespace tallowen::net::texts
