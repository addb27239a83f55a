#include "cli/arguments.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "engine/field_strings.h"

namespace tallowen::cli {

std::optional<std::string> Arguments::option(const std::string& name) const {
    auto it = options.find(name);
    if (it == options.end()) return std::nullopt;
    return it->second;
}

Arguments parseArguments(int argc, char** argv, const std::vector<std::string>& flags) {
    Arguments args;
    bool optionsEnded = false;
    for (int i = 0; i < argc; ++i) {
        std::string word = argv[i];
        if (word == "--" && !optionsEnded) {
            optionsEnded = true;
            continue;
        }
        // Field strings may begin with "--" too ("-" is a player 2 piece): options are lower-case words.
        if (!optionsEnded && word.size() > 2 && word.rfind("--", 0) == 0 && std::islower(static_cast<unsigned char>(word[2]))) {
            const std::string name = word.substr(2);
            if (std::find(flags.begin(), flags.end(), name) != flags.end()) {
                args.options[name] = "";
                continue;
            }
            if (i + 1 >= argc) throw UsageError{"option --" + name + " needs a value"};
            args.options[name] = argv[++i];
        } else {
            args.positional.push_back(word);
        }
    }
    return args;
}

MoveRule ruleOption(const Arguments& args) {
    const std::string rule = requiredOption(args, "rule");
    if (rule == "star") return MoveRule::Star;
    if (rule == "cross") return MoveRule::Cross;
    throw UsageError{"unknown rule '" + rule + "' (expected star or cross)"};
}

std::string requiredOption(const Arguments& args, const std::string& name) {
    auto value = args.option(name);
    if (!value) throw UsageError{"missing option --" + name};
    return *value;
}

int intOption(const Arguments& args, const std::string& name, int fallback, int lo, int hi) {
    auto value = args.option(name);
    if (!value) return fallback;
    int n = 0;
    const char* end = value->data() + value->size();
    auto [ptr, ec] = std::from_chars(value->data(), end, n);
    if (ec != std::errc() || ptr != end || n < lo || n > hi)
        throw UsageError{"--" + name + " must be a whole number from " + std::to_string(lo) + " to " +
                         std::to_string(hi)};
    return n;
}

std::string gameStringArgument(const Arguments& args, std::size_t index) {
    if (args.positional.size() <= index) throw UsageError{"missing GAMESTRING"};
    const std::string& game = args.positional[index];
    if (auto error = gameStringError(game)) throw UsageError{"bad game string: " + *error};
    return game;
}

}  // namespace tallowen::cli
