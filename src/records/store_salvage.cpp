#include "records/store_salvage.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "records/row_value.h"
#include "records/setting_paths.h"
#include "records/setting_value.h"
#include "records/stored_games.h"

namespace tallowen {

namespace {

// A row's place in its table's key order; rows of the keys table have an empty name.
using Position = std::pair<std::string, std::string>;

// One way through a table in key order: from a path on, and on after a row.
struct Source {
    SqliteStatement from;
    SqliteStatement after;
};

// Where a reading starts: after a row, or else from a path on.
struct Start {
    std::string path;
    std::optional<Position> after;
};

// More rows than one page of the file holds.
constexpr std::size_t kRowsOfAPage = 512;

// Reads the rows of a table in key order from the first source that can, going on with the next source
// when one fails; when no source gets further, goes on from the next of `restarts` (paths) beyond the
// furthest row read, until the end or no restart is left. A row out of order is damage. A damaged page
// can hand out some of its rows before SQLite finds the damage, some out of their place, so the next
// source reads a page's worth of rows before the failure again; a row read twice is taken twice.
void readInOrder(std::vector<Source>& sources, const std::set<std::string>& restarts,
                 const std::function<void(const SqliteStatement&)>& take) {
    Start start;
    std::optional<Position> furthest;
    for (;;) {
        bool progressed = false;
        for (Source& source : sources) {
            SqliteStatement& read = start.after ? source.after : source.from;
            read.bind(1, start.after ? start.after->first : start.path);
            if (start.after) read.bind(2, start.after->second);
            std::deque<Position> recent;
            int code;
            while ((code = read.step()) == SQLITE_ROW) {
                Position row{read.text(0), read.text(1)};
                const bool inOrder = !recent.empty() ? row > recent.back()
                                     : start.after  ? row > *start.after
                                                    : row.first >= start.path;
                if (!inOrder) {
                    code = SQLITE_CORRUPT;
                    break;
                }
                take(read);
                if (!furthest || row > *furthest) {
                    furthest = row;
                    progressed = true;
                }
                recent.push_back(std::move(row));
                if (recent.size() > kRowsOfAPage + 1) recent.pop_front();
            }
            read.reset();
            if (code == SQLITE_DONE) return;
            if (recent.size() > kRowsOfAPage) start.after = recent.front();
        }
        if (progressed) continue;
        const bool pastFurthest = !start.after && (!furthest || start.path > furthest->first);
        const auto next = restarts.upper_bound(pastFurthest ? start.path : furthest->first);
        if (next == restarts.end()) return;
        start = {*next, std::nullopt};
    }
}

// The sources that compile: a damaged schema leaves none.
std::vector<Source> sources(sqlite3* db, const std::vector<std::pair<std::string, std::string>>& statements) {
    std::vector<Source> made;
    for (const auto& [from, after] : statements) {
        Source source{SqliteStatement(db, from), SqliteStatement(db, after)};
        if (source.from.prepareCode() == SQLITE_OK && source.after.prepareCode() == SQLITE_OK)
            made.push_back(std::move(source));
    }
    return made;
}

// Everything that could be read of the damaged file, by key path.
using Keys = std::map<std::string, StoredKey>;

void readKeys(sqlite3* db, Keys& keys) {
    auto read = sources(db, {{"SELECT path, '' FROM setting_keys WHERE path >= ?1 ORDER BY path",
                              "SELECT path, '' FROM setting_keys WHERE path > ?1 ORDER BY path"}});
    readInOrder(read, {}, [&](const SqliteStatement& row) { keys[row.text(0)].exists = true; });
}

// Through the table itself and through its copy, which each hold every value.
void readValues(sqlite3* db, const std::set<std::string>& restarts, Keys& keys) {
    std::vector<std::pair<std::string, std::string>> statements;
    for (const char* way : {"sqlite_autoindex_setting_values_1", "setting_values_copy"}) {
        const std::string select = std::string("SELECT path, name, type, value FROM setting_values INDEXED BY ") + way;
        statements.emplace_back(select + " WHERE path >= ?1 ORDER BY path, name",
                                select + " WHERE (path, name) > (?1, ?2) ORDER BY path, name");
    }
    auto read = sources(db, statements);
    readInOrder(read, restarts, [&](const SqliteStatement& row) {
        StoredKey& key = keys[row.text(0)];
        if (auto value = rowValue(row, 2))
            key.values[row.text(1)] = std::move(*value);
        else
            key.unreadable.insert(row.text(1));
    });
}

// The keys table names the keys whose values are read: where both copies of the values are damaged,
// the reading goes on at the next of them. Where the keys table is damaged, the values name the keys.
Keys readDamaged(sqlite3* db) {
    Keys keys;
    readKeys(db, keys);
    std::set<std::string> paths;
    for (const auto& entry : keys) paths.insert(entry.first);
    readValues(db, paths, keys);
    return keys;
}

// The stored game a path belongs to: the name of its key below "Hry", or nothing for other paths.
std::optional<std::string> gameOf(const std::string& path) {
    const std::string records = std::string(kRecordsKey) + "\\";
    if (path.compare(0, records.size(), records) != 0) return std::nullopt;
    return path.substr(records.size(), path.find('\\', records.size()) - records.size());
}

// Writes keys with their values into the fresh file.
class Writer {
public:
    explicit Writer(sqlite3* db)
        : key_(db, "INSERT OR IGNORE INTO setting_keys (path) VALUES (?1)"),
          value_(db, "INSERT OR IGNORE INTO setting_values (path, name, type, value) VALUES (?1, ?2, ?3, ?4)") {}

    int write(const std::string& path, const StoredKey& key) {
        // The keys on its path are there too, also when only the values of a key could be read.
        for (std::size_t end = 0; end != std::string::npos;) {
            end = path.find('\\', end + 1);
            key_.bind(1, std::string_view(path).substr(0, end));
            if (const int code = run(key_); code != SQLITE_DONE) return code;
        }
        for (const auto& [name, value] : key.values) {
            value_.bind(1, path);
            value_.bind(2, name);
            const auto* text = std::get_if<std::string>(&value);
            value_.bind(3, std::int64_t{text ? kTextType : kIntType});
            if (text)
                value_.bind(4, *text);
            else
                value_.bind(4, std::int64_t{std::get<std::int32_t>(value)});
            if (const int code = run(value_); code != SQLITE_DONE) return code;
        }
        return SQLITE_OK;
    }

private:
    static int run(SqliteStatement& statement) {
        const int code = statement.step();
        statement.reset();
        return code;
    }

    SqliteStatement key_;
    SqliteStatement value_;
};

}  // namespace

int salvageStore(sqlite3* damaged, sqlite3* fresh, Salvaged& salvaged) {
    const Keys keys = readDamaged(damaged);
    std::set<std::string> games, wholeGames;
    for (const auto& [path, key] : keys) {
        const auto game = gameOf(path);
        if (!game) continue;
        games.insert(*game);
        // Rows of a game read from the file hold all there is of its key.
        if (path.size() == std::string(kRecordsKey).size() + 1 + game->size()) {
            StoredKey whole = key;
            whole.exists = true;
            if (soundStoredGame(*game, whole)) wholeGames.insert(*game);
        }
    }
    salvaged = {static_cast<int>(wholeGames.size()), static_cast<int>(games.size())};

    int code = sqlite3_exec(fresh, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    Writer writer(fresh);
    for (auto it = keys.begin(); code == SQLITE_OK && it != keys.end(); ++it) {
        const auto game = gameOf(it->first);
        if (!game || wholeGames.count(*game)) code = writer.write(it->first, it->second);
    }
    if (code == SQLITE_OK) code = sqlite3_exec(fresh, "COMMIT", nullptr, nullptr, nullptr);
    if (code != SQLITE_OK) sqlite3_exec(fresh, "ROLLBACK", nullptr, nullptr, nullptr);
    return code;
}

}  // namespace tallowen
