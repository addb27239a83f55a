#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "records/setting_value.h"
#include "records/sqlite_handle.h"
#include "records/user_message.h"

namespace tallowen {

// Statuses of the value operations on an open key.
inline constexpr int kStoreOk = 0;
inline constexpr int kStoreFailed = 1;           // the database refused or could not be reached
inline constexpr int kStoreMissing = 2;          // no such key or value
inline constexpr int kStoreUnsupportedType = -1;

// The hierarchical settings store: keys named by backslash-separated paths, each holding named
// values of the text or the integer type, kept in one SQLite file. Every write is a transaction.
//
// A file that is damaged is moved aside and a fresh one started; a file that cannot be opened at
// all leaves a store in memory for this run. Either way, and whenever a read or write fails, a
// message for the user is queued (takeMessages); the program carries on.
class SettingsStore {
public:
    explicit SettingsStore(const std::filesystem::path& file);
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    struct OpenKey {
        std::string path;
    };
    // The key, or nothing when it does not exist.
    std::optional<OpenKey> openKey(std::string_view keyPath);

    // The value, or nothing when the key, the value or the store is missing. A text comes back
    // followed by one NUL character.
    SettingValue ReadSetting(std::string_view keyPath, std::string_view name);
    // Writes into an existing key; does nothing when the key is missing.
    void WriteSetting(std::string_view keyPath, std::string_view name, const SettingValue& value, int type);
    // Creates the key and any missing key on its path; an existing key keeps its values.
    void CreateSettingKey(std::string_view keyPath);
    // Deletes the key with every key below it.
    void DeleteSettingKey(std::string_view keyPath);

    // Writes as text (type 1) or integer (type 4); any other type writes nothing and returns kStoreOk.
    int WriteOpenValue(const OpenKey& key, std::string_view name, int type, const SettingValue& value);
    // Reads into `out`; leaves `out` untouched unless the value was read.
    int ReadOpenValue(const OpenKey& key, std::string_view name, SettingValue& out);

    // The names of the keys directly below the key, sorted.
    std::vector<std::string> SubKeys(std::string_view keyPath);

    // Runs `body` inside one write transaction taken at once, so that what it reads cannot change
    // before it writes, even by another process. Keeps the changes only when `body` returns true.
    bool transaction(const std::function<bool()>& body);

    // Runs `body` inside one read transaction: what it reads is one state of the store, and it
    // reads faster than statement by statement.
    void snapshot(const std::function<void()>& body);

    // Messages for the user queued since the last call.
    std::vector<UserMessage> takeMessages();

    const std::filesystem::path& file() const { return file_; }
    // False when this run keeps its settings in memory only.
    bool persistent() const { return persistent_; }

private:
    int openFile(const std::filesystem::path& file);
    void openInMemory();
    void recoverDamagedFile();
    int writeBatch(const std::function<int()>& body);
    int createKey(const std::string& path);
    void reportFailure(int code, bool writing);
    void queue(const std::string& text);

    // A prepared statement kept for the next call; reset when the use ends, so that no read is
    // left open to hold off other copies of the program.
    class StatementUse {
    public:
        explicit StatementUse(SqliteStatement& statement) : statement_(statement) {}
        ~StatementUse() { statement_.reset(); }
        StatementUse(const StatementUse&) = delete;
        StatementUse& operator=(const StatementUse&) = delete;
        SqliteStatement* operator->() { return &statement_; }

    private:
        SqliteStatement& statement_;
    };
    StatementUse statement(const std::string& sql);
    void useDatabase(SqliteDatabase db, bool persistent);

    std::filesystem::path file_;
    SqliteDatabase db_;
    std::map<std::string, std::unique_ptr<SqliteStatement>, std::less<>> statements_;  // of db_
    bool persistent_ = true;
    std::vector<UserMessage> messages_;
};

// A key path with its separators tidied: no leading, trailing or doubled backslashes.
std::string normalKeyPath(std::string_view keyPath);

}  // namespace tallowen
