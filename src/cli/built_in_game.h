#pragma once

#include <optional>
#include <string>

namespace tallowen::cli {

// The game string of the built-in field with this name, player 1 moving first as the setup window
// hands it over; nothing for an unknown name.
std::optional<std::string> builtInGame(const std::string& name);

// The built-in names, for messages: "Original", "Draughts", ...
std::string builtInNames();

}  // namespace tallowen::cli
