#include "engine/player_names.h"

namespace tallowen {

int computerLevelOfName(const std::string& name) {
    if (name == "PC Beginner") return 1;
    if (name == "PC Professional") return 2;
    if (name == "PC Genius") return 3;
    return 0;
}

std::string computerName(int level) {
    switch (level) {
        case 1: return "PC Beginner";
        case 2: return "PC Professional";
        default: return "PC Genius";
    }
}

}  // namespace tallowen
