#include "records/settings_store.h"

#include <cstdint>
#include <system_error>
#include <utility>

#include "records/row_value.h"

namespace tallowen {

namespace {

constexpr const char* kMessageTitle = "Tallowen";
// Copies of the program that set the file aside at the same moment may each find the other's fresh
// file in their way once; a few attempts settle it.
constexpr int kSetAsideAttempts = 3;
constexpr const char* kNotKept = " Results and fields of this session will not be kept.";

// A key and every key below it: the path itself, or paths that continue it after a backslash. The
// range test on "\" ... "]" (the next character) lets the primary key index answer it.
constexpr const char* kSubtree = "(path = ?1 OR (path > ?1 || '\\' AND path < ?1 || ']'))";

// What came over into the new file that took a damaged one's place.
std::string salvagedText(const std::optional<Salvaged>& salvaged) {
    if (!salvaged) return "Nothing could be carried over into it.";
    if (salvaged->storedGames == 0) return "No stored game could be read from the damaged file.";
    return std::to_string(salvaged->games) + " of " + std::to_string(salvaged->storedGames) +
           (salvaged->storedGames == 1 ? " stored game was recovered." : " stored games were recovered.");
}

int exec(sqlite3* db, std::string_view sql) {
    return sqlite3_exec(db, std::string(sql).c_str(), nullptr, nullptr, nullptr);
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
    attach(openStoreFile(file));
}

void SettingsStore::attach(OpenedFile opened) {
    const std::string name = file_.string();
    std::optional<std::filesystem::path> keptAs;
    std::optional<Salvaged> salvaged;
    for (int attempt = 0; isDamage(opened.code) && attempt < kSetAsideAttempts; ++attempt) {
        const SetAside aside = setAsideDamagedFile(std::move(opened.db), file_);
        if (aside.outcome == SetAside::Failed) {
            runInMemory("The settings file " + name + " is damaged and could not be moved aside (" + aside.error +
                        "); it is left as it is.");
            return;
        }
        if (aside.outcome == SetAside::Moved) {
            keptAs = aside.aside;
            salvaged = aside.salvaged;
        }
        opened = openStoreFile(file_);
    }
    if (opened.code != SQLITE_OK) {
        const std::string why = sqlite3_errstr(opened.code);
        runInMemory(keptAs ? "The settings file " + name + " was damaged and has been kept as " + keptAs->string() +
                                 ". A new one cannot be started (" + why + ")."
                           : "The settings file " + name + " cannot be opened (" + why + ").");
        return;
    }
    useDatabase(std::move(opened.db), true);
    if (keptAs)
        queueMessage("The settings file " + name + " was damaged. It has been kept as " + keptAs->string() +
                     ", and a new settings file has been started. " + salvagedText(salvaged));
}

void SettingsStore::useDatabase(SqliteDatabase db, bool persistent) {
    statements_.clear();
    db_ = std::move(db);
    persistent_ = persistent;
    trouble_ = Trouble::None;
    ++generation_;
}

SettingsStore::StatementUse SettingsStore::statement(const std::string& sql) {
    auto found = statements_.find(sql);
    if (found == statements_.end())
        found = statements_.emplace(sql, std::make_unique<SqliteStatement>(db_.get(), sql)).first;
    return StatementUse(*found->second);
}

void SettingsStore::runInMemory(const std::string& why) {
    queueMessage(why + kNotKept);
    useDatabase(openStoreFile(":memory:").db, false);
}

void SettingsStore::settle() {
    statements_.clear();
    if (trouble_ == Trouble::Damaged) {
        attach(OpenedFile{SQLITE_CORRUPT, std::move(db_)});
    } else {
        db_.reset();
        attach(openStoreFile(file_));
    }
}

void SettingsStore::queueMessage(const std::string& text) {
    // One failure tends to repeat for every value of a record; the user hears of it once.
    if (!messages_.empty() && messages_.back().text == text) return;
    messages_.push_back({text, kMessageTitle});
}

void SettingsStore::failed(int code, bool writing) {
    if (isDamage(code)) {
        trouble_ = Trouble::Damaged;
        return;
    }
    if (code == SQLITE_READONLY_DBMOVED) {
        if (trouble_ == Trouble::None) trouble_ = Trouble::Moved;
        return;
    }
    ++failures_;
    if (writing) {
        queueMessage("Could not write to the settings file " + file_.string() + " (" + sqlite3_errstr(code) +
                     "). Nothing was changed.");
    } else {
        queueMessage("Could not read the settings file " + file_.string() + " (" + sqlite3_errstr(code) + ").");
    }
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

bool SettingsStore::runTransaction(const std::function<bool()>& body) {
    int code = exec(db_.get(), "BEGIN IMMEDIATE");
    if (code != SQLITE_OK) {
        failed(code, true);
        return false;
    }
    // Damage met inside the body leaves nothing behind, whatever the body says.
    if (!body() || !usable()) {
        exec(db_.get(), "ROLLBACK");
        return false;
    }
    code = exec(db_.get(), "COMMIT");
    if (code != SQLITE_OK) {
        exec(db_.get(), "ROLLBACK");
        failed(code, true);
        return false;
    }
    return true;
}

bool SettingsStore::transaction(const std::function<bool()>& body) {
    for (int attempt = 0;; ++attempt) {
        const int generation = generation_;
        bool kept = false;
        {
            Use use(*this);
            kept = usable() && runTransaction(body);
        }
        // A fresh file came in when the use ended: it takes what the damaged one could not.
        if (kept || attempt > 0 || generation_ == generation) return kept;
    }
}

void SettingsStore::snapshot(const std::function<void()>& body) {
    Use use(*this);
    // Inside a transaction already, the body simply takes part in it.
    const bool own = usable() && sqlite3_get_autocommit(db_.get()) && exec(db_.get(), "BEGIN") == SQLITE_OK;
    body();
    if (own) exec(db_.get(), "COMMIT");
}

std::optional<SettingsStore::OpenKey> SettingsStore::openKey(std::string_view keyPath) {
    Use use(*this);
    if (!usable()) return std::nullopt;
    const std::string path = normalKeyPath(keyPath);
    auto find = statement("SELECT 1 FROM setting_keys WHERE path = ?1");
    find->bind(1, path);
    const int code = find->step();
    if (code == SQLITE_ROW) return OpenKey{path};
    if (code != SQLITE_DONE) failed(code, false);
    return std::nullopt;
}

SettingValue SettingsStore::ReadSetting(std::string_view keyPath, std::string_view name) {
    Use use(*this);
    SettingValue value;
    if (auto key = openKey(keyPath)) ReadOpenValue(*key, name, value);
    return value;
}

void SettingsStore::WriteSetting(std::string_view keyPath, std::string_view name, const SettingValue& value,
                                 int type) {
    Use use(*this);
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
    Use use(*this);
    const std::string path = normalKeyPath(keyPath);
    if (path.empty() || !usable()) return;
    const int code = createKey(path);
    if (code != SQLITE_OK) failed(code, true);
}

void SettingsStore::DeleteSettingKey(std::string_view keyPath) {
    Use use(*this);
    const std::string path = normalKeyPath(keyPath);
    if (path.empty() || !usable()) return;
    const int code = writeBatch([&] {
        for (const char* table : {"setting_values", "setting_keys"}) {
            auto remove = statement(std::string("DELETE FROM ") + table + " WHERE " + kSubtree);
            remove->bind(1, path);
            const int step = remove->step();
            if (step != SQLITE_DONE) return step;
        }
        return SQLITE_OK;
    });
    if (code != SQLITE_OK) failed(code, true);
}

int SettingsStore::WriteOpenValue(const OpenKey& key, std::string_view name, int type, const SettingValue& value) {
    Use use(*this);
    if (type != kTextType && type != kIntType) return kStoreOk;
    if (!usable()) return kStoreFailed;
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
        failed(code, true);
        return kStoreFailed;
    }
    return sqlite3_changes(db_.get()) > 0 ? kStoreOk : kStoreMissing;
}

int SettingsStore::ReadOpenValue(const OpenKey& key, std::string_view name, SettingValue& out) {
    Use use(*this);
    if (!usable()) return kStoreFailed;
    auto read = statement("SELECT type, value FROM setting_values WHERE path = ?1 AND name = ?2");
    read->bind(1, key.path);
    read->bind(2, name);
    const int code = read->step();
    if (code == SQLITE_DONE) return kStoreMissing;
    if (code != SQLITE_ROW) {
        failed(code, false);
        return kStoreFailed;
    }
    const auto value = rowValue(*read, 0);
    if (!value) return kStoreUnsupportedType;
    // Texts are kept NUL-terminated and come back with their terminator.
    const auto* text = std::get_if<std::string>(&*value);
    out = text ? SettingValue(*text + '\0') : *value;
    return kStoreOk;
}

std::vector<std::string> SettingsStore::SubKeys(std::string_view keyPath) {
    Use use(*this);
    if (!usable()) return {};
    const std::string path = normalKeyPath(keyPath);
    auto list = statement(
        "SELECT substr(path, length(?1) + 2) FROM setting_keys "
        "WHERE path > ?1 || '\\' AND path < ?1 || ']' "
        "AND instr(substr(path, length(?1) + 2), '\\') = 0 ORDER BY path");
    list->bind(1, path);
    std::vector<std::string> names;
    int code;
    while ((code = list->step()) == SQLITE_ROW) names.push_back(list->text(0));
    if (code != SQLITE_DONE) failed(code, false);
    return names;
}

std::map<std::string, StoredKey> SettingsStore::KeysBelow(std::string_view keyPath) {
    Use use(*this);
    std::map<std::string, StoredKey> keys;
    const std::string path = normalKeyPath(keyPath);
    snapshot([&] {
        if (!usable()) return;
        auto list = statement("SELECT path FROM setting_keys WHERE path > ?1 || '\\' AND path < ?1 || ']'");
        list->bind(1, path);
        int code;
        while ((code = list->step()) == SQLITE_ROW) keys[list->text(0)].exists = true;
        if (code != SQLITE_DONE) return failed(code, false);
        auto values = statement(
            "SELECT path, name, type, value FROM setting_values WHERE path > ?1 || '\\' AND path < ?1 || ']'");
        values->bind(1, path);
        while ((code = values->step()) == SQLITE_ROW) {
            StoredKey& key = keys[values->text(0)];
            if (auto value = rowValue(*values, 2))
                key.values[values->text(1)] = std::move(*value);
            else
                key.unreadable.insert(values->text(1));
        }
        if (code != SQLITE_DONE) failed(code, false);
    });
    return keys;
}

}  // namespace tallowen
