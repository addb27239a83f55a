#include "records/settings_store.h"

#include <chrono>
#include <ctime>
#include <system_error>
#include <utility>

namespace tallowen {

namespace {

constexpr const char* kMessageTitle = "Tallowen";
constexpr int kBusyTimeoutMs = 5000;

constexpr std::string_view kSchema = R"(
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
)";

// A key and every key below it: the path itself, or paths that continue it after a backslash. The
// range test on "\" ... "]" (the next character) lets the primary key index answer it.
constexpr const char* kSubtree = "(path = ?1 OR (path > ?1 || '\\' AND path < ?1 || ']'))";

bool isDamage(int code) {
    const int primary = code & 0xFF;
    return primary == SQLITE_NOTADB || primary == SQLITE_CORRUPT;
}

int exec(sqlite3* db, std::string_view sql) {
    return sqlite3_exec(db, std::string(sql).c_str(), nullptr, nullptr, nullptr);
}

// SQLITE_OK when the file is sound, SQLITE_CORRUPT when the check finds damage, or the error that
// stopped the check.
int checkIntegrity(sqlite3* db) {
    SqliteStatement check(db, "PRAGMA quick_check");
    int code = check.step();
    if (code == SQLITE_ROW) return check.text(0) == "ok" ? SQLITE_OK : SQLITE_CORRUPT;
    return code == SQLITE_DONE ? SQLITE_OK : code;
}

// A file without any table is new (or was just created); anything else must already be ours.
bool holdsNoTables(sqlite3* db) {
    SqliteStatement count(db, "SELECT count(*) FROM sqlite_schema");
    return count.step() == SQLITE_ROW && count.integer(0) == 0;
}

// The tables hold what this program expects; a file of another program does not pass.
bool schemaFits(sqlite3* db) {
    return SqliteStatement(db, "SELECT path, name, type, value FROM setting_values LIMIT 0").prepareCode() ==
               SQLITE_OK &&
           SqliteStatement(db, "SELECT path FROM setting_keys LIMIT 0").prepareCode() == SQLITE_OK;
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

}  // namespace

std::string normalKeyPath(std::string_view keyPath) {
    std::string path;
    std::size_t start = 0;
    while (start <= keyPath.size()) {
        std::size_t end = keyPath.find('\\', start);
        if (end == std::string_view::npos) end = keyPath.size();
        if (end > start) {
            if (!path.empty()) path += '\\';
            path.append(keyPath.substr(start, end - start));
        }
        start = end + 1;
    }
    return path;
}

SettingsStore::SettingsStore(const std::filesystem::path& file) : file_(file) {
    std::error_code ignored;
    if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), ignored);
    const int code = openFile(file);
    if (code == SQLITE_OK) return;
    if (isDamage(code)) {
        recoverDamagedFile();
        return;
    }
    openInMemory();
    queue("The settings file " + file_.string() + " cannot be opened (" + sqlite3_errstr(code) +
          "). Results and fields of this session will not be kept.");
}

int SettingsStore::openFile(const std::filesystem::path& file) {
    sqlite3* raw = nullptr;
    int code = sqlite3_open_v2(file.c_str(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    SqliteDatabase db(raw);
    if (code != SQLITE_OK) return code;
    sqlite3_extended_result_codes(raw, 1);
    sqlite3_busy_timeout(raw, kBusyTimeoutMs);
    code = checkIntegrity(raw);
    if (code != SQLITE_OK) return code;
    // Tables are added only to a file that has none, so another program's database is never changed
    // before it is set aside.
    if (holdsNoTables(raw)) {
        code = exec(raw, kSchema);
        if (code != SQLITE_OK) return code;
    }
    if (!schemaFits(raw)) return SQLITE_NOTADB;
    useDatabase(std::move(db), true);
    return SQLITE_OK;
}

void SettingsStore::useDatabase(SqliteDatabase db, bool persistent) {
    statements_.clear();
    db_ = std::move(db);
    persistent_ = persistent;
}

SettingsStore::StatementUse SettingsStore::statement(const std::string& sql) {
    auto found = statements_.find(sql);
    if (found == statements_.end())
        found = statements_.emplace(sql, std::make_unique<SqliteStatement>(db_.get(), sql)).first;
    return StatementUse(*found->second);
}

void SettingsStore::openInMemory() {
    sqlite3* raw = nullptr;
    sqlite3_open_v2(":memory:", &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    useDatabase(SqliteDatabase(raw), false);
    exec(raw, kSchema);
}

// Keeps the damaged file (and its journal) under a new name beside the fresh one.
void SettingsStore::recoverDamagedFile() {
    // Another copy of the program may have set the file aside a moment ago; its fresh file is kept.
    if (openFile(file_) == SQLITE_OK) return;
    std::filesystem::path aside = withSuffix(file_, ".damaged-" + timeStamp());
    for (int n = 2; std::filesystem::exists(aside); ++n)
        aside = withSuffix(file_, ".damaged-" + timeStamp() + "-" + std::to_string(n));
    std::error_code error;
    std::filesystem::rename(file_, aside, error);
    if (error == std::errc::no_such_file_or_directory && openFile(file_) == SQLITE_OK) return;
    if (error) {
        openInMemory();
        queue("The settings file " + file_.string() + " is damaged and could not be moved aside (" +
              error.message() + "); it is left as it is. Results and fields of this session will not be kept.");
        return;
    }
    const auto journal = withSuffix(file_, "-journal");
    if (std::filesystem::exists(journal)) std::filesystem::rename(journal, withSuffix(aside, "-journal"), error);
    const int code = openFile(file_);
    if (code != SQLITE_OK) {
        openInMemory();
        queue("The settings file " + file_.string() + " was damaged and has been kept as " + aside.string() +
              ". A new one cannot be started (" + sqlite3_errstr(code) +
              "). Results and fields of this session will not be kept.");
        return;
    }
    queue("The settings file " + file_.string() + " was damaged. It has been kept as " + aside.string() +
          ", and a new settings file has been started.");
}

void SettingsStore::queue(const std::string& text) {
    // One failure tends to repeat for every value of a record; the user hears of it once.
    if (!messages_.empty() && messages_.back().text == text) return;
    messages_.push_back({text, kMessageTitle});
}

void SettingsStore::reportFailure(int code, bool writing) {
    if (writing)
        queue("Could not write to the settings file " + file_.string() + " (" + sqlite3_errstr(code) +
              "). Nothing was changed.");
    else
        queue("Could not read the settings file " + file_.string() + " (" + sqlite3_errstr(code) + ").");
}

std::vector<UserMessage> SettingsStore::takeMessages() { return std::exchange(messages_, {}); }

int SettingsStore::writeBatch(const std::function<int()>& body) {
    if (!sqlite3_get_autocommit(db_.get())) return body();
    int code = exec(db_.get(), "BEGIN IMMEDIATE");
    if (code != SQLITE_OK) return code;
    code = body();
    exec(db_.get(), code == SQLITE_OK ? "COMMIT" : "ROLLBACK");
    if (code == SQLITE_OK && !sqlite3_get_autocommit(db_.get())) {
        code = sqlite3_extended_errcode(db_.get());
        exec(db_.get(), "ROLLBACK");
    }
    return code;
}

bool SettingsStore::transaction(const std::function<bool()>& body) {
    int code = exec(db_.get(), "BEGIN IMMEDIATE");
    if (code != SQLITE_OK) {
        reportFailure(code, true);
        return false;
    }
    if (!body()) {
        exec(db_.get(), "ROLLBACK");
        return false;
    }
    code = exec(db_.get(), "COMMIT");
    if (code != SQLITE_OK) {
        exec(db_.get(), "ROLLBACK");
        reportFailure(code, true);
        return false;
    }
    return true;
}

void SettingsStore::snapshot(const std::function<void()>& body) {
    // Inside a transaction already, the body simply takes part in it.
    const bool own = sqlite3_get_autocommit(db_.get()) && exec(db_.get(), "BEGIN") == SQLITE_OK;
    body();
    if (own) exec(db_.get(), "COMMIT");
}

std::optional<SettingsStore::OpenKey> SettingsStore::openKey(std::string_view keyPath) {
    const std::string path = normalKeyPath(keyPath);
    auto find = statement("SELECT 1 FROM setting_keys WHERE path = ?1");
    find->bind(1, path);
    const int code = find->step();
    if (code == SQLITE_ROW) return OpenKey{path};
    if (code != SQLITE_DONE) reportFailure(code, false);
    return std::nullopt;
}

SettingValue SettingsStore::ReadSetting(std::string_view keyPath, std::string_view name) {
    SettingValue value;
    if (auto key = openKey(keyPath)) ReadOpenValue(*key, name, value);
    return value;
}

void SettingsStore::WriteSetting(std::string_view keyPath, std::string_view name, const SettingValue& value,
                                 int type) {
    if (auto key = openKey(keyPath)) WriteOpenValue(*key, name, type, value);
}

int SettingsStore::createKey(const std::string& path) {
    return writeBatch([&] {
        auto insert = statement("INSERT OR IGNORE INTO setting_keys (path) VALUES (?1)");
        for (std::size_t end = 0; end != std::string::npos;) {
            end = path.find('\\', end + 1);
            insert->bind(1, std::string_view(path).substr(0, end));
            const int code = insert->step();
            if (code != SQLITE_DONE) return code;
            insert->reset();
        }
        return SQLITE_OK;
    });
}

void SettingsStore::CreateSettingKey(std::string_view keyPath) {
    const std::string path = normalKeyPath(keyPath);
    if (path.empty()) return;
    const int code = createKey(path);
    if (code != SQLITE_OK) reportFailure(code, true);
}

void SettingsStore::DeleteSettingKey(std::string_view keyPath) {
    const std::string path = normalKeyPath(keyPath);
    if (path.empty()) return;
    const int code = writeBatch([&] {
        for (const char* table : {"setting_values", "setting_keys"}) {
            auto remove = statement(std::string("DELETE FROM ") + table + " WHERE " + kSubtree);
            remove->bind(1, path);
            const int step = remove->step();
            if (step != SQLITE_DONE) return step;
        }
        return SQLITE_OK;
    });
    if (code != SQLITE_OK) reportFailure(code, true);
}

int SettingsStore::WriteOpenValue(const OpenKey& key, std::string_view name, int type, const SettingValue& value) {
    if (type != kTextType && type != kIntType) return kStoreOk;
    auto write = statement(
        "INSERT INTO setting_values (path, name, type, value) "
        "SELECT ?1, ?2, ?3, ?4 WHERE EXISTS (SELECT 1 FROM setting_keys WHERE path = ?1) "
        "ON CONFLICT (path, name) DO UPDATE SET type = excluded.type, value = excluded.value");
    write->bind(1, key.path);
    write->bind(2, name);
    write->bind(3, std::int64_t{type});
    if (type == kTextType) {
        write->bind(4, settingText(value));
    } else {
        const auto number = integerOf(value);
        if (!number) return kStoreFailed;
        write->bind(4, std::int64_t{*number});
    }
    const int code = write->step();
    if (code != SQLITE_DONE) {
        reportFailure(code, true);
        return kStoreFailed;
    }
    return sqlite3_changes(db_.get()) > 0 ? kStoreOk : kStoreMissing;
}

int SettingsStore::ReadOpenValue(const OpenKey& key, std::string_view name, SettingValue& out) {
    auto read = statement("SELECT type, value FROM setting_values WHERE path = ?1 AND name = ?2");
    read->bind(1, key.path);
    read->bind(2, name);
    const int code = read->step();
    if (code == SQLITE_DONE) return kStoreMissing;
    if (code != SQLITE_ROW) {
        reportFailure(code, false);
        return kStoreFailed;
    }
    const auto type = read->integer(0);
    if (type == kTextType) {
        // Texts are kept NUL-terminated and come back with their terminator.
        out = read->text(1) + '\0';
        return kStoreOk;
    }
    if (type == kIntType) {
        out = static_cast<std::int32_t>(read->integer(1));
        return kStoreOk;
    }
    return kStoreUnsupportedType;
}

std::vector<std::string> SettingsStore::SubKeys(std::string_view keyPath) {
    const std::string path = normalKeyPath(keyPath);
    auto list = statement(
        "SELECT substr(path, length(?1) + 2) FROM setting_keys "
        "WHERE path > ?1 || '\\' AND path < ?1 || ']' "
        "AND instr(substr(path, length(?1) + 2), '\\') = 0 ORDER BY path");
    list->bind(1, path);
    std::vector<std::string> names;
    int code;
    while ((code = list->step()) == SQLITE_ROW) names.push_back(list->text(0));
    if (code != SQLITE_DONE) reportFailure(code, false);
    return names;
}

}  // namespace tallowen
