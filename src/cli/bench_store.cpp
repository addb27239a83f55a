#include "cli/bench_store.h"

#include <stdlib.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "records/game_records.h"
#include "records/stored_games.h"

namespace tallowen::cli {

namespace {

constexpr int kRecords = 1000;
constexpr int kRuns = 15;

// A folder of its own under the temporary folder, removed with what it holds.
class BenchFolder {
public:
    BenchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "tallowen-bench-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            throw std::system_error(errno, std::generic_category(), "cannot make a folder for the store's figures");
        path_ = pattern;
    }
    ~BenchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    BenchFolder(const BenchFolder&) = delete;
    BenchFolder& operator=(const BenchFolder&) = delete;
    std::filesystem::path file() const { return path_ / "settings.sqlite3"; }

private:
    std::filesystem::path path_;
};

// Games of different players, fields and counts, as a long-used store holds them.
FinishedGame benchGame(int i) {
    const int count1 = 20 + i % 97;
    const int count2 = 121 - count1;  // never a tie: 121 is odd
    return {i % 3 == 0 ? "Original" : "Big battle", 40 + i % 71, "Player " + std::to_string(i % 17),
            i % 5 == 0 ? "PC Genius" : "PC Professional", 1 + i % 2, 10 * (i % 5) + i % 3, count1, count2, "AEE1", "EBA5",
            count1 > count2 ? 1 : 2};
}

double checkMilliseconds(const std::filesystem::path& file, const char* pragma, Checksum& sum) {
    sqlite3* raw = nullptr;
    sqlite3_open_v2(file.c_str(), &raw, SQLITE_OPEN_READONLY, nullptr);
    SqliteDatabase db(raw);
    return medianMilliseconds(kRuns, [&] {
        SqliteStatement check(raw, pragma);
        while (check.step() == SQLITE_ROW) sum.add(check.text(0));
    });
}

}  // namespace

BenchPart storeBench() {
    BenchFolder folder;
    {
        SettingsStore store(folder.file());
        store.transaction([&] {
            for (int i = 1; i <= kRecords; ++i)
                if (!writeRecord(store, i, benchGame(i))) return false;
            return true;
        });
    }
    BenchPart part;
    Checksum sum;
    part.lines.push_back({"store-open-1000-records", medianMilliseconds(kRuns, [&] {
                              SettingsStore store(folder.file());
                              sum.add(store.takeMessages().size());
                          }), "ms"});
    part.lines.push_back(
        {"store-integrity-check-1000-records", checkMilliseconds(folder.file(), "PRAGMA integrity_check", sum), "ms"});
    part.lines.push_back(
        {"store-quick-check-1000-records", checkMilliseconds(folder.file(), "PRAGMA quick_check", sum), "ms"});
    SettingsStore store(folder.file());
    part.lines.push_back({"store-read-1000-records", medianMilliseconds(kRuns, [&] {
                              const StoredGames stored = readStoredGames(store);
                              sum.add(stored.games.size());
                              for (const StoredGame& game : stored.games) sum.add(game.share);
                          }), "ms"});
    part.checksum = sum.value();
    return part;
}

}  // namespace tallowen::cli
