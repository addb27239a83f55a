#include "cli/arguments.h"

#include <algorithm>
#include <charconv>

#include "engine/field_strings.h"
#include "engine/option_word.h"
#include "engine/quoted_input.h"

namespace tallowen::cli {

namespace {

std::string optionList(std::span<const Option> table) {
    if (table.empty()) return "the command takes no options";
    std::string list = "options:";
    for (const Option& entry : table) list += " --" + std::string(entry.name);
    return list;
}

}  // namespace

std::optional<std::string> Arguments::option(std::string_view name) const {
    auto it = options.find(name);
    if (it == options.end()) return std::nullopt;
    return it->second;
}

Arguments parseArguments(int argc, char** argv, std::span<const Option> table) {
    Arguments args;
    bool optionsEnded = false;
    for (int i = 0; i < argc; ++i) {
        const std::string_view word = argv[i];
        if (word == "--" && !optionsEnded) {
            optionsEnded = true;
            continue;
        }
        if (optionsEnded || !isOptionWord(word)) {
            args.positional.emplace_back(word);
            continue;
        }
        const std::string_view name = word.substr(2);
        const auto entry = std::find_if(table.begin(), table.end(), [&](const Option& o) { return o.name == name; });
        if (entry == table.end())
            throw UsageError{"unknown option " + quotedInput(word) + " (" + optionList(table) + ")"};
        if (args.flag(name)) throw UsageError{"option --" + std::string(name) + " is given twice"};
        std::string value;
        if (!entry->flag) {
            // A mistyped option after this one is not taken as its value.
            if (i + 1 >= argc || isOptionWord(argv[i + 1]))
                throw UsageError{"option --" + std::string(name) + " needs a value"};
            value = argv[++i];
            if (value.empty()) throw UsageError{"option --" + std::string(name) + " is given an empty value"};
        }
        args.options.emplace(name, std::move(value));
    }
    for (const Option& entry : table)
        if (!entry.needs.empty() && args.flag(entry.name) && !args.flag(entry.needs))
            throw UsageError{"option --" + std::string(entry.name) + " is used only with --" + std::string(entry.needs)};
    return args;
}

void refuseExtraPositional(const Arguments& args, std::size_t most) {
    if (args.positional.size() > most) throw UsageError{"unexpected argument " + quotedInput(args.positional[most])};
}

MoveRule ruleOption(const Arguments& args) {
    const std::string rule = requiredOption(args, "rule");
    if (rule == "star") return MoveRule::Star;
    if (rule == "cross") return MoveRule::Cross;
    throw UsageError{"unknown rule " + quotedInput(rule) + " (expected star or cross)"};
}

std::string requiredOption(const Arguments& args, std::string_view name) {
    auto value = args.option(name);
    if (!value) throw UsageError{"missing option --" + std::string(name)};
    return *value;
}

int intOption(const Arguments& args, std::string_view name, int fallback, int lo, int hi) {
    auto value = args.option(name);
    if (!value) return fallback;
    int n = 0;
    const char* end = value->data() + value->size();
    auto [ptr, ec] = std::from_chars(value->data(), end, n);
    if (ec != std::errc() || ptr != end || n < lo || n > hi)
        throw UsageError{"--" + std::string(name) + " must be a whole number from " + std::to_string(lo) + " to " +
                         std::to_string(hi) + ", not " + quotedInput(*value)};
    return n;
}

std::string gameStringArgument(const Arguments& args, std::size_t index) {
    if (args.positional.size() <= index) throw UsageError{"missing GAMESTRING"};
    const std::string& game = args.positional[index];
    if (auto error = gameStringError(game)) throw UsageError{"bad game string: " + *error};
    return game;
}

void refuseUnplayable(const std::string& gameString) {
    if (auto error = gameStringError(gameString)) throw UsageError{"bad game string: " + *error};
    Board board;
    const int side = parseGameString(gameString, board).side;
    for (int x = 0; x < side; ++x)
        for (int y = 0; y < side; ++y)
            if (board(x, y) == pieceOf(1) || board(x, y) == pieceOf(2)) return;
    throw UsageError{"the field holds no piece, so no game can end"};
}

}  // namespace tallowen::cli
