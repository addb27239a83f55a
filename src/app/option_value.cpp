#include "app/option_value.h"

#include "engine/option_word.h"
#include "engine/quoted_input.h"

namespace tallowen {

std::optional<std::string> optionValueError(std::string_view name, std::string_view value, const ValueRules& rules) {
    const std::string option = "--" + std::string(name);
    if (value.empty()) return option + " is given an empty value";
    if (isOptionWord(value)) return option + " needs a value, not the option " + quotedInput(value);
    if (rules.printable && !printableText(value))
        return option + " takes printable text in UTF-8, not " + quotedInput(value);
    if (rules.mostCharacters > 0 && characterCount(value) > rules.mostCharacters)
        return option + " takes at most " + std::to_string(rules.mostCharacters) + " characters, not " +
               quotedInput(value);
    return std::nullopt;
}

}  // namespace tallowen
