#pragma once

#include <optional>

#include "records/settings_store.h"
#include "records/user_message.h"

namespace tallowen {

// The figure detail that the game window takes when it is first loaded.
struct FigureDetailRead {
    int FigureDetail = 2;                  // 0 ... 3
    std::optional<UserMessage> message;    // shown when the stored value had to be repaired
};

// Reads the stored level 1 ... 10 and turns it into the detail (level - 1) / 3, rounded. A level
// outside 1 ... 10, or none, is repaired: "5" is stored for the next start, and this run uses 6.
FigureDetailRead readFigureDetail(SettingsStore& store);

}  // namespace tallowen
