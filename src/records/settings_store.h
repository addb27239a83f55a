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
#include "records/store_file.h"
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
// A damaged file, found so at start or met later during a read or a write, is moved aside unchanged
// and a new one, holding what could still be read from it, takes its place; a file that cannot be
// opened at all leaves a store in memory for this run.
// Either way, and whenever a read or write fails, a message for the user is queued (takeMessages);
// the program carries on. A value that breaks the table's rules (written by another tool with the
// checks off) reads as missing.
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
    // Reads into `out`; leaves `out` untouched unless the value was read. A value whose content does
    // not fit its type reads like one of an unsupported type.
    int ReadOpenValue(const OpenKey& key, std::string_view name, SettingValue& out);

    // The names of the keys directly below the key, sorted.
    std::vector<std::string> SubKeys(std::string_view keyPath);

    // Every key below the key, at any depth, by path, each with all its values; also a path that only
    // values name, its key row being lost. One consistent reading.
    std::map<std::string, StoredKey> KeysBelow(std::string_view keyPath);

    // Runs `body` inside one write transaction taken at once, so that what it reads cannot change
    // before it writes, even by another process. Keeps the changes only when `body` returns true.
    // When the file turns out damaged, or another copy has set it aside, on the way, `body` runs once
    // more on the fresh file, so that what it writes is not lost.
    bool transaction(const std::function<bool()>& body);

    // Runs `body` inside one read transaction: what it reads is one state of the store, and it
    // reads faster than statement by statement.
    void snapshot(const std::function<void()>& body);

    // Messages for the user queued since the last call: the store's own, and those that the readers
    // of stored data add, all shown the same way (a message box with an OK button in the game, a
    // line on stderr in the engine tool).
    std::vector<UserMessage> takeMessages();
    // Queues a message; one just like the last one queued is not repeated.
    void queueMessage(const std::string& text);

    const std::filesystem::path& file() const { return file_; }
    // False when this run keeps its settings in memory only.
    bool persistent() const { return persistent_; }
    // Reads and writes that failed since the store was made; damage met and dealt with is no failure.
    int failures() const { return failures_; }

private:
    // Takes the file as opening left it; a damaged one is set aside and a fresh one opened.
    void attach(OpenedFile opened);
    void runInMemory(const std::string& why);
    int writeBatch(const std::function<int()>& body);
    bool runTransaction(const std::function<bool()>& body);
    int createKey(const std::string& path);
    // Notes a failed statement: damage, or a file moved away by another copy, is dealt with once the
    // outermost operation ends; any other failure is reported at once.
    void failed(int code, bool writing);
    // False once damage or a moved file has been met: nothing more is read from or written to it.
    bool usable() const { return trouble_ == Trouble::None; }
    void settle();

    // One public operation under way; the outermost one settles what was met on the way, when no
    // statement or transaction is open any more.
    class Use {
    public:
        explicit Use(SettingsStore& store) : store_(store) { ++store_.depth_; }
        ~Use() {
            if (--store_.depth_ == 0 && !store_.usable()) store_.settle();
        }
        Use(const Use&) = delete;
        Use& operator=(const Use&) = delete;

    private:
        SettingsStore& store_;
    };

    // A prepared statement kept for the next call; reset when the use ends, so that no read is
    // left open to hold off other copies of the program.
    class StatementUse {
    public:
        explicit StatementUse(SqliteStatement& statement) : statement_(statement) {}
        ~StatementUse() { statement_.reset(); }
        StatementUse(const StatementUse&) = delete;
        StatementUse& operator=(const StatementUse&) = delete;
        SqliteStatement* operator->() { return &statement_; }
        SqliteStatement& operator*() { return statement_; }

    private:
        SqliteStatement& statement_;
    };
    StatementUse statement(const std::string& sql);
    void useDatabase(SqliteDatabase db, bool persistent);

    enum class Trouble { None, Damaged, Moved };

    std::filesystem::path file_;
    SqliteDatabase db_;
    std::map<std::string, std::unique_ptr<SqliteStatement>, std::less<>> statements_;  // of db_
    bool persistent_ = true;
    Trouble trouble_ = Trouble::None;
    int depth_ = 0;            // public operations under way
    int generation_ = 0;       // counts the files this store has opened
    int failures_ = 0;
    std::vector<UserMessage> messages_;
};

// A key path with its separators tidied: no leading, trailing or doubled backslashes.
std::string normalKeyPath(std::string_view keyPath);

}  // namespace tallowen
