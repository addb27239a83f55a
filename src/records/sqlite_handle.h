#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace tallowen {

struct SqliteClose {
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
struct SqliteFinalize {
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};

using SqliteDatabase = std::unique_ptr<sqlite3, SqliteClose>;

// One prepared statement; every step reports SQLite's own result code.
class SqliteStatement {
public:
    SqliteStatement(sqlite3* db, std::string_view sql) {
        sqlite3_stmt* raw = nullptr;
        prepareCode_ = sqlite3_prepare_v2(db, sql.data(), static_cast<int>(sql.size()), &raw, nullptr);
        statement_.reset(raw);
    }

    // SQLITE_OK when the statement compiled.
    int prepareCode() const { return prepareCode_; }

    void bind(int index, std::string_view text) {
        sqlite3_bind_text(statement_.get(), index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
    }
    void bind(int index, std::int64_t number) { sqlite3_bind_int64(statement_.get(), index, number); }

    // SQLITE_ROW, SQLITE_DONE or an error; a statement that did not compile gives its prepare code.
    int step() { return statement_ ? sqlite3_step(statement_.get()) : (prepareCode_ ? prepareCode_ : SQLITE_MISUSE); }

    // Ready to run again with new bindings.
    void reset() {
        sqlite3_reset(statement_.get());
        sqlite3_clear_bindings(statement_.get());
    }

    std::string text(int column) const {
        const auto* bytes = sqlite3_column_text(statement_.get(), column);
        return bytes ? std::string(reinterpret_cast<const char*>(bytes),
                                   static_cast<std::size_t>(sqlite3_column_bytes(statement_.get(), column)))
                     : std::string();
    }
    std::int64_t integer(int column) const { return sqlite3_column_int64(statement_.get(), column); }
    int columnType(int column) const { return sqlite3_column_type(statement_.get(), column); }

private:
    std::unique_ptr<sqlite3_stmt, SqliteFinalize> statement_;
    int prepareCode_ = SQLITE_OK;
};

}  // namespace tallowen
