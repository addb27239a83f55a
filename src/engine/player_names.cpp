#include "engine/player_names.h"

#include <cctype>

namespace tallowen {

int computerLevelOfName(const std::string& name) {
    if (name == "PC Beginner") return 1;
    if (name == "PC Professional") return 2;
    if (name == "PC Genius") return 3;
    if (name == "PC Master") return kMasterLevel;
    return 0;
}

std::string computerName(int level) {
    switch (level) {
        case 1: return "PC Beginner";
        case 2: return "PC Professional";
        case 3: return "PC Genius";
        default: return "PC Master";
    }
}

std::string startName(const std::string& typed, int player) {
    std::string name = typed == "tie!" ? "I'm Tie" : typed;
    std::string head = name.substr(0, 3);
    for (char& c : head) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (head == "pc ") name = ":-) " + name.substr(3);
    if (name.empty()) name = player == 1 ? "Hráč 1" : "Hráč 2";
    return name;
}

}  // namespace tallowen
