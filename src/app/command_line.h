#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/controls.h"
#include "engine/directions.h"

namespace tallowen {

class FieldLibrary;
class GameWindow;
class SetupWindow;

// A game with another computer chosen on the command line: host it on a port, or join a host.
struct NetworkStart {
    bool host = true;
    std::uint16_t port = 0;    // the host's: where it listens
    std::string address;       // the joiner's: the host as typed
    std::optional<std::string> code;  // the joiner's always; the host's, else a fresh one
};

// What `tallowen` was asked for on its command line.
struct CommandLine {
    std::optional<std::string> store;
    std::optional<std::string> field;  // a field library name
    std::optional<std::string> game;   // a game string
    MoveRule rule = MoveRule::Star;
    std::array<std::string, 2> names{"Player 1", "Player 2"};
    std::array<int, 2> times{0, 0};  // time list positions 0 ... 4
    bool help = false;
    bool version = false;
    // Any option that chooses the game: the game starts at once instead of the setup window.
    bool gameOptions = false;
    // --host or --join: the setup window opens for a game with another computer, and the game
    // options fill in what they choose there.
    std::optional<NetworkStart> network;
};

// The command line, or the one line that says what is wrong with it.
struct ParsedCommandLine {
    CommandLine options;
    std::optional<std::string> error;
};
ParsedCommandLine parseCommandLine(const std::vector<std::string>& args);

extern const char* const kUsage;

// What to tell a person who started the program without any display to show it on (the values of
// DISPLAY, WAYLAND_DISPLAY and QT_QPA_PLATFORM, null when unset), or nothing when there is one.
std::optional<std::string> noDisplayMessage(const char* display, const char* waylandDisplay, const char* platform);

// A game handed to the game window as the setup window hands one over on "START".
struct GameHandOver {
    std::string Label2;  // "Tallowen - " + the field's name
    std::string Label4;  // the game string
    std::string Label5;
    std::string Label6;
    std::string Label8;  // "1" Star, "2" Cross
    SetupChoices setup;
};

// The game the command line chose, with the field found in the library; or the line that says
// which field the library does not hold.
struct HandOverResult {
    std::optional<GameHandOver> game;
    std::optional<std::string> error;
};
HandOverResult handOver(const CommandLine& options, FieldLibrary& library);

void applyHandOver(const GameHandOver& handOver, GameWindow& game);

// The setup window with player 2 at another computer as the command line chose it, and with what
// the game options choose filled in: the host's field, movement, player 1 and both times; the
// joiner's name. Nothing, or the line that says which field the library does not hold.
std::optional<std::string> presetNetworkSetup(const CommandLine& options, SetupWindow& setup);

}  // namespace tallowen
