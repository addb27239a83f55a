#pragma once

#include "records/sqlite_handle.h"

namespace tallowen {

// What came over from a damaged settings file.
struct Salvaged {
    int games = 0;        // stored games that came over whole
    int storedGames = 0;  // stored games of which anything could be read
};

// Copies into `fresh`, a new settings file, whatever the damaged file open in `damaged` still holds:
// every key and value that can be read, a stored game only whole and sound (one that cannot be shown
// stays behind in the damaged file). Each table is read in key order; where SQLite finds a part
// damaged, the reading goes on from the last row read in the other copy of the values, and where
// neither can, from the next key the other table names. Writes in one transaction; returns
// SQLITE_OK or the error that stopped the writing.
int salvageStore(sqlite3* damaged, sqlite3* fresh, Salvaged& salvaged);

}  // namespace tallowen
