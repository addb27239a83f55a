#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <set>

#include "records/game_records.h"
#include "records/setting_paths.h"
#include "records/stored_games.h"
#include "test_store.h"

namespace tallowen {
namespace {

using ::testing::HasSubstr;
using testing::runSql;
using testing::TempDir;

constexpr int kRecords = 520;
const std::string kField = "Software\\Brenholt\\Tallowen\\HracíPole\\07";

std::string readFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::filesystem::path> keptAside(const TempDir& dir) {
    std::vector<std::filesystem::path> found;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        if (entry.path().filename().string().find(".damaged-") != std::string::npos) found.push_back(entry.path());
    return found;
}

// A store of kRecords games, each its own player 1 ("P" and the number), a user field and the figure
// detail.
void fillStore(const std::filesystem::path& file) {
    SettingsStore store(file);
    store.transaction([&] {
        for (int i = 1; i <= kRecords; ++i)
            writeRecord(store, i, testing::decidedGame("P" + std::to_string(i), "Q", 40, 24));
        store.CreateSettingKey(kField);
        store.WriteSetting(kField, "", std::string("Mine"), kTextType);
        store.WriteSetting(kField, "Mapa", std::string("+XX-"), kTextType);
        store.WriteSetting(kProgramKey, kFigureDetailValue, std::string("7"), kTextType);
        return true;
    });
}

// The page in the middle of a table's or index's pages of one kind, in key order.
long middlePage(const std::filesystem::path& file, const std::string& tree, const std::string& kind) {
    const std::string where = "FROM dbstat WHERE name = '" + tree + "' AND pagetype = '" + kind + "'";
    const std::string count = runSql(file, "SELECT count(*) " + where);
    return std::stol(runSql(file, "SELECT pageno " + where + " ORDER BY path LIMIT 1 OFFSET " + count + " / 2"));
}

struct Damage {
    const char* what;
    const char* tree;
    const char* kind;
    bool olderFile;  // as a version without the copy of the values left it
    bool swapped;    // two cells' places swapped, else the whole page overwritten
};

// Damages the page; returns the numbers of the games whose key path the page held.
std::set<long> damagePage(const std::filesystem::path& file, long page, bool swapped) {
    std::string bytes = readFile(file);
    const std::size_t size = std::stoul(runSql(file, "PRAGMA page_size"));
    const std::size_t start = static_cast<std::size_t>(page - 1) * size;
    const std::string held = bytes.substr(start, size);
    std::set<long> games;
    for (int i = 1; i <= kRecords; ++i)
        if (held.find(recordKey(i)) != std::string::npos) games.insert(i);
    // Swapped, the page hands out a row of its end among those of its start, before SQLite finds it out
    // of order.
    const std::size_t first = start + 8 + 2 * 2, other = start + 8 + 2 * 20;
    for (std::size_t i = 0; i < (swapped ? 2 : size); ++i) {
        if (swapped)
            std::swap(bytes[first + i], bytes[other + i]);
        else
            bytes[start + i] = static_cast<char>((i * 7919 + 13) % 251);
    }
    std::ofstream(file, std::ios::binary) << bytes;
    return games;
}

// A damaged page costs no game while the other copy of the values holds it, and in a file without that
// copy only the games the page held; the rest come over exactly, and once, with the user's field and
// settings. The damaged file stays as it was.
TEST(StoreSalvageTest, EveryGameOnAnIntactPageIsRecoveredOnceAndTheDamagedFileKept) {
    const Damage damages[] = {
        {"a values page", "setting_values", "leaf", false, false},
        {"a values page's cells out of order", "setting_values", "leaf", false, true},
        {"a page of the copy", "setting_values_copy", "leaf", false, false},
        {"the values' inner page", "setting_values", "internal", false, false},
        {"a keys page", "setting_keys", "leaf", false, false},
        {"a values page of an older file", "setting_values", "leaf", true, false},
        {"a keys page of an older file", "setting_keys", "leaf", true, false},
    };
    for (const Damage& damage : damages) {
        TempDir dir;
        const auto file = dir / "s.sqlite3";
        fillStore(file);
        if (damage.olderFile) runSql(file, "DROP INDEX setting_values_copy; PRAGMA user_version = 0; VACUUM;");
        const std::set<long> held = damagePage(file, middlePage(file, damage.tree, damage.kind), damage.swapped);
        const std::set<long> lost = damage.olderFile && std::string(damage.tree) == "setting_values" ? held : std::set<long>{};
        ASSERT_FALSE(held.empty()) << damage.what;
        const std::string damaged = readFile(file);

        SettingsStore store(file);
        const auto aside = keptAside(dir);
        ASSERT_EQ(aside.size(), 1u) << damage.what;
        EXPECT_EQ(readFile(aside[0]), damaged) << damage.what;
        const auto messages = store.takeMessages();
        ASSERT_EQ(messages.size(), 1u) << damage.what;
        const int recovered = kRecords - static_cast<int>(lost.size());
        EXPECT_THAT(messages[0].text, HasSubstr(std::to_string(recovered) + " of " + std::to_string(kRecords) +
                                                " stored games were recovered."))
            << damage.what;

        const StoredGames games = readStoredGames(store);
        EXPECT_EQ(games.skipped, 0) << damage.what;
        std::vector<long> expected;
        for (long i = 1; i <= kRecords; ++i)
            if (!lost.count(i)) expected.push_back(i);
        std::vector<long> numbers;
        for (const StoredGame& game : games.games) {
            numbers.push_back(game.number);
            EXPECT_EQ(game.player1, "P" + std::to_string(game.number)) << damage.what;
        }
        EXPECT_EQ(numbers, expected) << damage.what;
        EXPECT_EQ(storedText(store.ReadSetting(kField, "Mapa")), "+XX-") << damage.what;
        EXPECT_EQ(storedText(store.ReadSetting(kProgramKey, kFigureDetailValue)), "7") << damage.what;
        EXPECT_EQ(runSql(file, "PRAGMA integrity_check"), "ok") << damage.what;
    }
}

// With the first page gone nothing can be read: the file is kept, and a fresh store starts empty.
TEST(StoreSalvageTest, DamageInTheHeaderStartsAnEmptyStore) {
    TempDir dir;
    const auto file = dir / "s.sqlite3";
    fillStore(file);
    std::string bytes = readFile(file);
    for (std::size_t i = 0; i < 100; ++i) bytes[i] = 'G';
    std::ofstream(file, std::ios::binary) << bytes;

    SettingsStore store(file);
    const auto aside = keptAside(dir);
    ASSERT_EQ(aside.size(), 1u);
    EXPECT_EQ(readFile(aside[0]), bytes);
    const auto messages = store.takeMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_THAT(messages[0].text, HasSubstr("No stored game could be read from the damaged file."));
    EXPECT_TRUE(store.SubKeys("").empty());
    GameRecords(store).recordGame(testing::decidedGame("Eva", "Adam", 40, 24));
    EXPECT_EQ(recordNumbers(store), (std::vector<long>{1}));
}

}  // namespace
}  // namespace tallowen
