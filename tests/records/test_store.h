#pragma once

#include <sqlite3.h>

#include <filesystem>
#include <string>

#include "../temp_dir.h"
#include "engine/game_recorder.h"

namespace tallowen::testing {

// A game on "Original" with Cross movement, won by the side with more figures (a tie when equal).
inline FinishedGame decidedGame(const std::string& player1, const std::string& player2, int count1, int count2) {
    return {"Original", 60, player1, player2, 2, 42, count1, count2, "AEE1", "EBA5",
            count1 > count2 ? 1 : count2 > count1 ? 2 : 0};
}

// Runs SQL on the store file through a connection of its own, as another tool would; the first
// column of the first row it gives.
inline std::string runSql(const std::filesystem::path& file, const std::string& sql) {
    std::string row;
    sqlite3* db = nullptr;
    sqlite3_open(file.c_str(), &db);
    const auto first = [](void* out, int, char** values, char**) {
        if (static_cast<std::string*>(out)->empty() && values[0]) *static_cast<std::string*>(out) = values[0];
        return 0;
    };
    sqlite3_exec(db, sql.c_str(), first, &row, nullptr);
    sqlite3_close(db);
    return row;
}

// Makes the store file refuse to store the values for which `condition` holds (in terms of NEW.name
// and NEW.value), as a full disk or a lost lock would.
inline void refuseWrites(const std::filesystem::path& file, const std::string& condition) {
    runSql(file, "CREATE TRIGGER refuse BEFORE INSERT ON setting_values WHEN " + condition +
                     " BEGIN SELECT RAISE(ABORT, 'refused'); END;");
}

}  // namespace tallowen::testing
