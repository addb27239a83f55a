#include "records/store_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <ctime>
#include <string_view>
#include <system_error>

namespace tallowen {

namespace {

constexpr int kBusyTimeoutMs = 5000;

// The schema's version, kept in the file's user_version. A later version of the program only adds to
// the schema (tables, columns, indexes) and raises the number; this one reads and writes what it knows
// of a file of any version and leaves the rest alone.
constexpr int kSchemaVersion = 1;

// The store's tables, and a statement that reads nothing but needs every column the store uses.
struct Table {
    std::string_view name;
    const char* columnProbe;
};
constexpr Table kTables[] = {{"setting_keys", "SELECT path FROM setting_keys LIMIT 0"},
                             {"setting_values", "SELECT path, name, type, value FROM setting_values LIMIT 0"}};

constexpr const char* kSchema = R"(
CREATE TABLE IF NOT EXISTS setting_keys (
    path TEXT PRIMARY KEY
) STRICT, WITHOUT ROWID;
CREATE TABLE IF NOT EXISTS setting_values (
    path TEXT NOT NULL,
    name TEXT NOT NULL,
    type INTEGER NOT NULL CHECK (type IN (1, 4)),
    value ANY NOT NULL,
    PRIMARY KEY (path, name),
    CHECK ((type = 1 AND typeof(value) = 'text') OR
           (type = 4 AND typeof(value) = 'integer' AND value BETWEEN -2147483648 AND 2147483647))
) STRICT, WITHOUT ROWID;
CREATE INDEX IF NOT EXISTS setting_values_copy ON setting_values (path, name, type, value);
)";

int exec(sqlite3* db, const char* sql) { return sqlite3_exec(db, sql, nullptr, nullptr, nullptr); }

const Table* ourTable(std::string_view name) {
    for (const Table& table : kTables)
        if (table.name == name) return &table;
    return nullptr;
}

// What a file holds, as far as the store is concerned.
struct Layout {
    std::size_t ourTables = 0;      // with every column the store uses
    bool ourTableReshaped = false;  // a table of ours without our columns
    bool otherObjects = false;      // tables, views ... not on our tables
    bool copy = false;              // the second copy of the values
    int version = 0;

    bool complete() const { return ourTables == std::size(kTables); }
    // Another program's database: the store's tables are neither all there nor all missing in a file
    // that holds other things. Beside all of ours, anything else was added by a later version.
    bool foreign() const { return ourTableReshaped || (otherObjects && !complete()); }
    bool current() const { return complete() && copy && version >= kSchemaVersion; }
};

int readLayout(sqlite3* db, Layout& layout) {
    layout = {};
    SqliteStatement list(db, "SELECT type, name, tbl_name FROM sqlite_schema");
    int code;
    while ((code = list.step()) == SQLITE_ROW) {
        if (list.text(1).rfind("sqlite_", 0) == 0) continue;
        const Table* table = ourTable(list.text(2));
        if (!table) {
            layout.otherObjects = true;
        } else if (list.text(0) == "table") {
            if (SqliteStatement(db, table->columnProbe).prepareCode() == SQLITE_OK)
                ++layout.ourTables;
            else
                layout.ourTableReshaped = true;
        } else if (list.text(1) == "setting_values_copy") {
            layout.copy = true;
        }
    }
    if (code != SQLITE_DONE) return code;
    SqliteStatement version(db, "PRAGMA user_version");
    code = version.step();
    if (code != SQLITE_ROW) return code;
    layout.version = static_cast<int>(version.integer(0));
    return SQLITE_OK;
}

// Adds what is missing of the tables and the copy of the values, and sets the version. The write lock
// is taken before looking again, so that of several copies starting together one does it and the
// others find it done. A file with all our tables works without the rest: when it cannot be added (a
// read-only file), the file is used as it is.
int completeTables(sqlite3* db) {
    Layout layout;
    int code = readLayout(db, layout);
    if (code != SQLITE_OK || layout.current()) return code;
    if (layout.foreign()) return SQLITE_NOTADB;
    code = exec(db, "BEGIN IMMEDIATE");
    if (code == SQLITE_OK) code = readLayout(db, layout);
    if (code == SQLITE_OK && layout.foreign()) code = SQLITE_NOTADB;
    if (code == SQLITE_OK && !layout.current()) code = exec(db, kSchema);
    if (code == SQLITE_OK && layout.version < kSchemaVersion)
        code = exec(db, ("PRAGMA user_version = " + std::to_string(kSchemaVersion)).c_str());
    if (code == SQLITE_OK) code = exec(db, "COMMIT");
    if (code == SQLITE_OK) return code;
    exec(db, "ROLLBACK");
    return code == SQLITE_NOTADB || !layout.complete() ? code : SQLITE_OK;
}

// A complaint of the thorough check about one value rather than the file's structure: a NULL or a
// value of the wrong kind in a column ("NULL value in T.C", "non-INTEGER value in T.C", ...).
bool isValueComplaint(const std::string& line) {
    for (const char* start : {"NULL value in ", "TEXT value in ", "NUMERIC value in "})
        if (line.rfind(start, 0) == 0) return true;
    return line.rfind("non-", 0) == 0 && line.find(" value in ") != std::string::npos;
}

// SQLITE_OK when the file is sound, SQLITE_CORRUPT when the check finds damage, or the error that
// stopped the check. The quick check misses keys out of order inside a page, so the whole check runs
// (its cost on 1,000 records is one of the bench figures). A value that breaks the table's rules (another
// tool may write one with the checks off) is no damage: it reads as missing, and so it is not checked here.
int checkFile(sqlite3* db) {
    exec(db, "PRAGMA ignore_check_constraints = ON");
    bool damaged = false;
    int code;
    {
        SqliteStatement check(db, "PRAGMA integrity_check");
        while ((code = check.step()) == SQLITE_ROW) {
            const std::string line = check.text(0);
            if (line != "ok" && !isValueComplaint(line)) damaged = true;
        }
    }
    exec(db, "PRAGMA ignore_check_constraints = OFF");
    if (code != SQLITE_DONE) return code;
    return damaged ? SQLITE_CORRUPT : SQLITE_OK;
}

std::string timeStamp() {
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm utc{};
    gmtime_r(&now, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &utc);
    return text;
}

std::filesystem::path withSuffix(const std::filesystem::path& file, const std::string& suffix) {
    return file.parent_path() / (file.filename().string() + suffix);
}

// Copies of the program setting files aside in one folder take turns. The lock goes with the
// descriptor, also when a copy ends without cleaning up.
class FolderLock {
public:
    explicit FolderLock(const std::filesystem::path& folder)
        : fd_(open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
        if (fd_ >= 0)
            while (flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
            }
    }
    ~FolderLock() {
        if (fd_ >= 0) close(fd_);
    }
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

private:
    int fd_;
};

// The path no longer names the file the connection has open: another copy has set it aside.
bool hasMoved(sqlite3* db) {
    int moved = 0;
    return sqlite3_file_control(db, "main", SQLITE_FCNTL_HAS_MOVED, &moved) == SQLITE_OK && moved != 0;
}

// Makes a new settings file at `replacement` holding what the damaged file still holds; nothing when it
// cannot be made.
std::optional<Salvaged> salvageInto(sqlite3* damaged, const std::filesystem::path& replacement) {
    std::error_code ignored;
    std::filesystem::remove(replacement, ignored);
    OpenedFile fresh = openStoreFile(replacement);
    Salvaged salvaged;
    if (fresh.code == SQLITE_OK && salvageStore(damaged, fresh.db.get(), salvaged) == SQLITE_OK) return salvaged;
    return std::nullopt;
}

// Renames the damaged file to `aside`, with its journal, and puts the replacement in its place; true when
// the replacement took it. With a second name given to the damaged file first, one rename swaps the two,
// and a copy of the program opening the path meanwhile finds one or the other. Where the file system
// has no second names, the path is free for a moment: a copy may start a file of its own there, which
// the replacement then takes the place of, and the copy moves over at its next write.
bool moveAside(const std::filesystem::path& file, const std::filesystem::path& aside,
               const std::filesystem::path* replacement, std::error_code& error) {
    const bool linked = replacement && link(file.c_str(), aside.c_str()) == 0;
    if (!linked) std::filesystem::rename(file, aside, error);
    if (error) return false;
    // Beside the replacement the damaged file's journal would be taken for the replacement's own.
    const auto journal = withSuffix(file, "-journal");
    std::error_code ignored;
    if (std::filesystem::exists(journal)) std::filesystem::rename(journal, withSuffix(aside, "-journal"), ignored);
    if (!replacement) return false;
    std::error_code failed;
    std::filesystem::rename(*replacement, file, failed);
    // Then the damaged file keeps only its new name, and a fresh file starts.
    if (failed && linked) std::filesystem::remove(file, error);
    return !failed;
}

}  // namespace

bool isDamage(int code) {
    const int primary = code & 0xFF;
    return primary == SQLITE_NOTADB || primary == SQLITE_CORRUPT;
}

OpenedFile openStoreFile(const std::filesystem::path& file) {
    OpenedFile opened;
    sqlite3* raw = nullptr;
    opened.code = sqlite3_open_v2(file.c_str(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    opened.db.reset(raw);
    if (opened.code != SQLITE_OK) return opened;
    sqlite3_extended_result_codes(raw, 1);
    sqlite3_busy_timeout(raw, kBusyTimeoutMs);
    opened.code = checkFile(raw);
    if (opened.code == SQLITE_OK) opened.code = completeTables(raw);
    return opened;
}

SetAside setAsideDamagedFile(SqliteDatabase db, const std::filesystem::path& file) {
    FolderLock turn(file.parent_path());
    SetAside result;
    if (hasMoved(db.get())) {
        result.outcome = SetAside::MovedByAnother;
        return result;
    }
    // Waits for any copy inside a transaction on the file and keeps the others out while it moves. A
    // file whose first page SQLite cannot read refuses the lock, and no copy can be using it.
    const int locked = exec(db.get(), "BEGIN EXCLUSIVE");
    if ((locked & 0xFF) == SQLITE_BUSY) {
        result.error = "another copy of the program keeps it busy";
        return result;
    }
    std::filesystem::path aside = withSuffix(file, ".damaged-" + timeStamp());
    for (int n = 2; std::filesystem::exists(aside); ++n)
        aside = withSuffix(file, ".damaged-" + timeStamp() + "-" + std::to_string(n));
    const auto replacement = withSuffix(file, ".salvaged");
    result.salvaged = salvageInto(db.get(), replacement);
    std::error_code error;
    if (!moveAside(file, aside, result.salvaged ? &replacement : nullptr, error)) result.salvaged.reset();
    std::error_code ignored;
    std::filesystem::remove(replacement, ignored);
    if (locked == SQLITE_OK) exec(db.get(), "ROLLBACK");
    db.reset();
    if (error) {
        result.error = error.message();
        return result;
    }
    result.outcome = SetAside::Moved;
    result.aside = aside;
    return result;
}

}  // namespace tallowen
