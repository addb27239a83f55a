#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "records/sqlite_handle.h"
#include "records/store_salvage.h"

namespace tallowen {

// SQLite's verdict that a file is damaged or no database at all.
bool isDamage(int code);

// The settings file as opening left it. `code` is SQLITE_OK with `db` ready for the store; a damage
// code (SQLITE_CORRUPT for damage the check found, SQLITE_NOTADB for a file that is no settings file)
// with `db` still open on the file that was judged; or the error that stopped the opening.
struct OpenedFile {
    int code = SQLITE_OK;
    SqliteDatabase db;
};

// Opens the file, creating it when missing, and checks it whole. The store's tables are added to a
// file that has none, and completed in a file that holds only some of them (an older program made
// them one at a time), in one transaction that waits for the write lock: copies of the program
// starting together all find the same finished tables. A file that holds all of the store's tables is
// ours whatever else it holds (a later version adds to it); a file that holds other things and not
// all of them, or a table of the store's name without its columns, belongs to another program.
OpenedFile openStoreFile(const std::filesystem::path& file);

// A damaged file set aside: where it went, or why it stayed, and what came over from it.
struct SetAside {
    enum Outcome { Moved, MovedByAnother, Failed };
    Outcome outcome = Failed;
    std::filesystem::path aside;
    std::string error;
    std::optional<Salvaged> salvaged;  // nothing when no new file could be made
};

// Renames the damaged file that `db` holds (and its journal) to "NAME.damaged-TIME" beside it, puts a
// new settings file with what could still be read from it in its place, and closes `db`. Other copies
// of the program may be using or judging the same file: the rename waits until no copy is inside a
// transaction on it, and happens only while the path still names the very file `db` judged; copies
// setting a file aside take turns, and the path names one file or the other at every moment.
SetAside setAsideDamagedFile(SqliteDatabase db, const std::filesystem::path& file);

}  // namespace tallowen
