#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "engine/directions.h"

namespace tallowen::cli {

// A command line split into options ("--name value", or "--name" alone for a flag) and
// positional words.
struct Arguments {
    std::map<std::string, std::string> options;
    std::vector<std::string> positional;

    std::optional<std::string> option(const std::string& name) const;
    bool flag(const std::string& name) const { return options.count(name) > 0; }
};

// Thrown only inside the engine tool to end a command with a message and exit code 2.
struct UsageError {
    std::string message;
};

// Splits argv; names in `flags` take no value.
Arguments parseArguments(int argc, char** argv, const std::vector<std::string>& flags = {});

MoveRule ruleOption(const Arguments& args);
std::string requiredOption(const Arguments& args, const std::string& name);
int intOption(const Arguments& args, const std::string& name, int fallback, int lo, int hi);
// The game string at positional[index], checked.
std::string gameStringArgument(const Arguments& args, std::size_t index);

}  // namespace tallowen::cli
