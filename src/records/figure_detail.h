#pragma once

#include <optional>

#include "records/settings_store.h"
#include "records/user_message.h"

namespace tallowen {

// The figure detail that the game window takes when it is first loaded.
struct FigureDetailRead {
    int FigureDetail = 2;                  // 0 ... 3
    std::optional<UserMessage> message;    // shown when the stored value has to be repaired
};

// Reads the stored level 1 ... 10 and turns it into the detail (level - 1) / 3, rounded. A level
// outside 1 ... 10, or none, gives the message, and this run uses 6; nothing is written.
FigureDetailRead readFigureDetail(SettingsStore& store);

// Stores "5" for the next start, once the message of a read that asked for it has been given.
void repairFigureDetail(SettingsStore& store);

}  // namespace tallowen
