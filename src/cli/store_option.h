#pragma once

#include <memory>

#include "cli/arguments.h"
#include "records/settings_store.h"

namespace tallowen::cli {

// The store a command works on: --store PATH, else $TALLOWEN_STORE, else the game's own file.
std::unique_ptr<SettingsStore> openStore(const Arguments& args);

// Prints what the store has to tell the user (a damaged file moved aside, a failed write) on stderr.
void printStoreMessages(SettingsStore& store);

// A reading command's exit code: 0 when it showed what the file holds, 1 when it could not (the file
// could not be opened, or a read failed); the store's messages say why.
int readExitCode(const SettingsStore& store);

}  // namespace tallowen::cli
