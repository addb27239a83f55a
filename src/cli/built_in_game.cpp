#include "cli/built_in_game.h"

#include "setup/built_in_fields.h"

namespace tallowen::cli {

std::optional<std::string> builtInGame(const std::string& name) {
    for (const BuiltInField& f : builtInFields())
        if (f.name == name) return f.field + "1";
    return std::nullopt;
}

std::string builtInNames() {
    std::string names;
    for (const BuiltInField& f : builtInFields()) names += (names.empty() ? "\"" : ", \"") + f.name + "\"";
    return names;
}

}  // namespace tallowen::cli
