#include "setup/built_in_fields.h"

#include <initializer_list>

namespace tallowen {

namespace {

std::string rows(std::initializer_list<const char*> texts) {
    std::string field;
    for (const char* row : texts) field += row;
    return field;
}

}  // namespace

std::array<BuiltInField, 4> builtInFields() {
    const char* A = "XX+X+XXXXX-X-XX";
    const char* B = "X+X+XXXXXXX-X-X";
    const char* C = "+X+XXXXXXXXX-X-";
    const char* D = "X+X0XXXXXXX0X-X";
    const char* E = "X0X+X+XXX-X-X0X";
    return {{
        {"Original", "+XXXXXXXXX-XXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXX"
                     "XXXXXXXXXXXX-XXXXXXXXX+"},
        {"Draughts", rows({"+X+X+X+X", "X+X+X+X+", "+X+X+X+X", "XXXXXXXX", "XXXXXXXX", "X-X-X-X-", "-X-X-X-X",
                           "X-X-X-X-"})},
        {"Quick atack", rows({"-XXXXXX", "XXXXXXX", "XX0---0", "X0+0-0X", "0+++0XX", "XXXXXXX", "XXXXXX+"})},
        {"Big battle", rows({A, B, C, D, C, B, A, E, A, B, C, D, C, B, A})},
    }};
}

}  // namespace tallowen
