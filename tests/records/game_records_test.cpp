#include "records/game_records.h"

#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "records/setting_paths.h"
#include "test_store.h"

namespace tallowen {
namespace {

using testing::decidedGame;
using testing::TempDir;

SettingValue text(const std::string& written) { return written + '\0'; }

class GameRecordsTest : public ::testing::Test {
protected:
    TempDir dir;
    SettingsStore store{dir / "s.sqlite3"};
    GameRecords records{store};
};

TEST_F(GameRecordsTest, ADecidedGameIsStoredWholeOrNotAtAllAndATieNotAtAll) {
    records.recordGame(decidedGame("Eva", "Adam", 30, 30));
    EXPECT_FALSE(store.openKey(kRecordsKey));
    records.recordGame(decidedGame("PC Genius", "Eva", 24, 40));
    const std::pair<const char*, SettingValue> expected[] = {
        {"", text("Original")},      {"PočetTahů", 60},          {"Hráč1", text("PC Genius")}, {"Hráč2", text("Eva")},
        {"LogikaPohybu", 2},         {"Časy", 42},               {"Hráč1Počet", 24},           {"Hráč2Počet", 40},
        {"Hráč1Figurka", text("AEE1")}, {"Hráč2Figurka", text("EBA5")}, {"Vyhrál", 2}};
    for (const auto& [name, value] : expected)
        EXPECT_EQ(store.ReadSetting("Software\\Brenholt\\Tallowen\\Hry\\00001", name), value) << name;
    EXPECT_EQ(recordNumbers(store), (std::vector<long>{1}));

    // A record whose last value cannot be written leaves nothing of itself.
    testing::refuseWrites(dir / "s.sqlite3", "NEW.name = 'Vyhrál'");
    records.recordGame(decidedGame("Eva", "Adam", 40, 24));
    EXPECT_EQ(store.takeMessages().size(), 1u);
    EXPECT_FALSE(store.openKey(recordKey(2)));
}

TEST_F(GameRecordsTest, TheSmallestFreeNumberIsTakenGapsIncluded) {
    for (long number : {1, 3}) {
        store.CreateSettingKey(recordKey(number));
        store.WriteSetting(recordKey(number), "", std::string("Original"), kTextType);
    }
    // A key without its default value holds no number.
    store.CreateSettingKey(recordKey(4));
    store.WriteSetting(recordKey(4), "Hráč1", std::string("ghost"), kTextType);
    records.recordGame(decidedGame("Eva", "Adam", 40, 24));
    records.recordGame(decidedGame("Ida", "Adam", 40, 24));
    EXPECT_EQ(storedText(store.ReadSetting(recordKey(2), "Hráč1")), "Eva");
    EXPECT_EQ(storedText(store.ReadSetting(recordKey(4), "Hráč1")), "Ida");
    EXPECT_EQ(recordNumbers(store), (std::vector<long>{1, 2, 3, 4}));
    EXPECT_EQ(recordKeyName(10), "00010");
    EXPECT_EQ(recordKeyName(100000), "100000");
}

// Copies of the program start on a store file that does not exist yet and end games at once; each
// round starts afresh. Rounds are cheap on a memory file system, where the file's syncs cost nothing;
// the sanitizer build, there for memory faults, repeats fewer. TALLOWEN_RACE_ROUNDS asks for more.
#ifdef __SANITIZE_ADDRESS__
constexpr int kRaceRounds = 8;
#else
constexpr int kRaceRounds = 50;
#endif

TEST(GameRecordsConcurrencyTest, CopiesStartingTogetherOnAMissingFileKeepEveryDecidedGame) {
    constexpr int kCopies = 4;
    constexpr int kGamesEach = 2;
    const char* asked = std::getenv("TALLOWEN_RACE_ROUNDS");
    const int rounds = asked ? std::atoi(asked) : kRaceRounds;
    const std::filesystem::path base = std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : "";
    for (int round = 0; round < rounds; ++round) {
        TempDir dir(base);
        const auto file = dir / "s.sqlite3";
        int go[2];
        ASSERT_EQ(pipe(go), 0);
        pid_t children[kCopies];
        for (int c = 0; c < kCopies; ++c) {
            children[c] = fork();
            ASSERT_GE(children[c], 0);
            if (children[c] > 0) continue;
            close(go[1]);
            char start;
            if (read(go[0], &start, 1) != 1) _exit(3);
            SettingsStore store(file);
            for (int i = 0; i < kGamesEach; ++i) {
                FinishedGame game = decidedGame("Copy" + std::to_string(c), "Adam", 40, 24);
                game.turns = i;
                GameRecords(store).recordGame(game);
            }
            _exit(store.takeMessages().empty() ? 0 : 4);
        }
        close(go[0]);
        ASSERT_EQ(write(go[1], std::string(kCopies, 'g').data(), kCopies), kCopies);  // all start together
        close(go[1]);
        for (pid_t child : children) {
            int status = 0;
            waitpid(child, &status, 0);
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "round " << round << " status " << status;
        }
        SettingsStore store(file);
        const auto numbers = recordNumbers(store);
        ASSERT_EQ(numbers.size(), std::size_t{kCopies * kGamesEach}) << "round " << round;
        EXPECT_EQ(numbers.back(), kCopies * kGamesEach);
        std::set<std::pair<std::string, int>> games;
        for (long n : numbers)
            games.insert({storedText(store.ReadSetting(recordKey(n), "Hráč1")).value_or(""),
                          storedInt(store.ReadSetting(recordKey(n), "PočetTahů")).value_or(-1)});
        EXPECT_EQ(games.size(), std::size_t{kCopies * kGamesEach});  // every game once
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1) << "round " << round;
    }
}

}  // namespace
}  // namespace tallowen
