#pragma once

#include <memory>

#include "cli/arguments.h"
#include "records/settings_store.h"

namespace tallowen::cli {

// The store a command works on: --store PATH, else $TALLOWEN_STORE, else the game's own file.
std::unique_ptr<SettingsStore> openStore(const Arguments& args);

// Prints what the store has to tell the user (a damaged file moved aside, a failed write) on stderr.
void printStoreMessages(SettingsStore& store);

}  // namespace tallowen::cli
