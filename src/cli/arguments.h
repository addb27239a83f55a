#pragma once

#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/directions.h"

namespace tallowen::cli {

// One option in a command's table: "--name VALUE", or "--name" alone for a flag. An option that
// `needs` another means nothing without it and is refused alone. Each command keeps its table at the
// top of its file; a new option is one more entry there.
struct Option {
    std::string_view name;
    bool flag = false;
    std::string_view needs = {};
};

// Options several commands share.
inline constexpr Option kRuleOption{"rule"};
inline constexpr Option kStoreOption{"store"};

// A command line split into options and positional words.
struct Arguments {
    std::map<std::string, std::string, std::less<>> options;
    std::vector<std::string> positional;

    std::optional<std::string> option(std::string_view name) const;
    bool flag(std::string_view name) const { return options.count(name) > 0; }
};

// Thrown only inside the engine tool to end a command with a one-line message and exit code 2.
struct UsageError {
    std::string message;
};

// Splits the words after a command's name by the command's table of options. Refused: an option the
// table does not hold, one given twice, a value that is missing, empty or itself an option word, an
// option without the one it needs. Option words are "--" and a lower-case letter ("-" is also a
// player 2 piece, so a field string may begin with "--"); a lone "--" ends the options.
Arguments parseArguments(int argc, char** argv, std::span<const Option> table);

// Refuses positional words beyond the first `most`.
void refuseExtraPositional(const Arguments& args, std::size_t most);

MoveRule ruleOption(const Arguments& args);
std::string requiredOption(const Arguments& args, std::string_view name);
int intOption(const Arguments& args, std::string_view name, int fallback, int lo, int hi);
// The game string at positional[index], checked.
std::string gameStringArgument(const Arguments& args, std::size_t index);
// Refuses a game string that cannot be played to an end: a bad one, or a field without a piece.
void refuseUnplayable(const std::string& gameString);

}  // namespace tallowen::cli
