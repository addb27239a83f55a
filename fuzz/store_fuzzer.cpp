// Values read back from the settings file. The fuzzer's bytes become the file: a file that begins
// like an SQLite database is written as it is; any other input is read as lines of
// "key path <TAB> value name <TAB> type <TAB> value" stored into a fresh file of the program's own
// tables with their checks off, as another tool might write it (types 4 and 2 store the value as an
// integer, any other as text). Then the real store opens it, and the records, the statistics
// survey, the results, the field library and the figure detail read it. Whatever they find, a game
// played out gets its record and a field saved from the editor joins the library, or the person is
// told why not.
#include <sqlite3.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "engine/field_strings.h"
#include "engine/headless_game.h"
#include "records/figure_detail.h"
#include "records/game_records.h"
#include "records/results.h"
#include "records/settings_store.h"
#include "records/stored_games.h"
#include "records/survey.h"
#include "setup/field_editor.h"
#include "setup/field_library.h"
#include "fuzz_check.h"
#include "scratch_folder.h"

namespace {

using namespace tallowen;
namespace fs = std::filesystem;

void storeLines(const fs::path& file, std::string_view text) {
    { SettingsStore tables(file); }
    sqlite3* db = nullptr;
    sqlite3_open(file.c_str(), &db);
    sqlite3_exec(db, "PRAGMA ignore_check_constraints = ON; BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt* key = nullptr;
    sqlite3_stmt* value = nullptr;
    sqlite3_prepare_v2(db, "INSERT OR IGNORE INTO setting_keys VALUES (?)", -1, &key, nullptr);
    sqlite3_prepare_v2(db, "INSERT OR REPLACE INTO setting_values VALUES (?, ?, ?, ?)", -1, &value, nullptr);
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        std::string_view fields[4];
        for (auto& field : fields) {
            const std::size_t tab = std::min(line.find('\t'), line.size());
            field = line.substr(0, tab);
            line.remove_prefix(std::min(tab + 1, line.size()));
        }
        const std::string path(fields[0]);
        for (std::size_t cut = 0; cut != std::string::npos;) {
            cut = path.find('\\', cut + 1);
            sqlite3_bind_text(key, 1, path.substr(0, cut).c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_step(key);
            sqlite3_reset(key);
        }
        const int type = std::atoi(std::string(fields[2]).c_str());
        const bool integer = type == 4 || type == 2;
        sqlite3_bind_text(value, 1, path.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(value, 2, fields[1].data(), static_cast<int>(fields[1].size()), SQLITE_TRANSIENT);
        sqlite3_bind_int(value, 3, type);
        if (integer)
            sqlite3_bind_int64(value, 4, std::strtoll(std::string(fields[3]).c_str(), nullptr, 10));
        else
            sqlite3_bind_text(value, 4, fields[3].data(), static_cast<int>(fields[3].size()), SQLITE_TRANSIENT);
        sqlite3_step(value);
        sqlite3_reset(value);
    }
    sqlite3_finalize(key);
    sqlite3_finalize(value);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

void readEverything(SettingsStore& store) {
    readFigureDetail(store);
    Statistics statistics;
    PruzkHer(store, statistics);
    for (const std::string& player : statistics.ComboB) FUZZ_CHECK(ComboB_Click(statistics, player).has_value());
    for (int k = 0; k <= statistics.HScroll1Max; ++k) FUZZ_CHECK(HScroll1_Change(statistics, k).has_value());

    FieldLibrary library(store);
    library.NajitMapy();
    FUZZ_CHECK(library.List1.size() == library.List2.size() && library.List2.size() == library.List3.size());
    for (std::size_t i = 0; i < library.List3.size(); ++i) {
        const std::string game = library.List1_Click(static_cast<int>(i))->Label4 + "1";
        if (gameStringError(game)) continue;
        HeadlessGame headless;
        headless.start(MoveRule::Star, game);
    }
}

void recordAGame(SettingsStore& store) {
    const std::size_t before = readStoredGames(store).games.size();
    GameRecords(store).recordGame({"Original", 30, "Player 1", "PC Genius", 1, 0, 30, 19, "AEA1", "EAA5", 1});
    FUZZ_CHECK(readStoredGames(store).games.size() == before + 1 || !store.takeMessages().empty());
}

void saveAField(SettingsStore& store) {
    FieldLibrary library(store);
    library.NajitMapy();
    FieldEditor editor;
    if (library.ADDMAP_Click(editor)) return;
    editor.Text1_Change("Fuzzed field");
    const auto outcome = editor.Command1_Click(store, library);
    FUZZ_CHECK(!outcome.refusal);
    bool listed = false;
    for (const std::string& name : library.List1) listed = listed || name == "Fuzzed field";
    FUZZ_CHECK(listed || !store.takeMessages().empty());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fs::remove_all(scratchFolder());
    fs::create_directories(scratchFolder());
    const fs::path file = scratchFolder() / "settings.sqlite3";
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (bytes.substr(0, 16) == std::string_view("SQLite format 3\0", 16))
        std::ofstream(file, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    else
        storeLines(file, bytes);

    SettingsStore store(file);
    store.takeMessages();
    readEverything(store);
    store.takeMessages();
    recordAGame(store);
    saveAField(store);
    return 0;
}
