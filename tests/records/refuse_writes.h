#pragma once

#include <sqlite3.h>

#include <filesystem>
#include <string>

namespace tallowen::testing {

// Makes the store file refuse to store values for which `condition` holds (in terms of NEW.path,
// NEW.name, NEW.value), as a full disk or a lost lock would, whoever runs the test.
inline void refuseWrites(const std::filesystem::path& file, const std::string& condition) {
    sqlite3* db = nullptr;
    sqlite3_open(file.c_str(), &db);
    const std::string sql = "CREATE TRIGGER refuse_writes BEFORE INSERT ON setting_values WHEN " + condition +
                            " BEGIN SELECT RAISE(ABORT, 'refused'); END;";
    sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

}  // namespace tallowen::testing
