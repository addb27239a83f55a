#include "cli/builtin_games.h"

namespace tallowen::cli {

std::string originalGame() {
    std::string field = "+XXXXXXXXX-";
    for (int row = 0; row < 9; ++row) field += "XXXXXXXXXXX";
    return field + "-XXXXXXXXX+" + "1";
}

std::string bigBattleGame() {
    const std::string A = "XX+X+XXXXX-X-XX", B = "X+X+XXXXXXX-X-X", C = "+X+XXXXXXXXX-X-",
                      D = "X+X0XXXXXXX0X-X", E = "X0X+X+XXX-X-X0X";
    return A + B + C + D + C + B + A + E + A + B + C + D + C + B + A + "1";
}

}  // namespace tallowen::cli
