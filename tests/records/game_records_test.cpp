#include "records/game_records.h"

#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>
#include <set>

#include "records/setting_paths.h"
#include "refuse_writes.h"
#include "temp_dir.h"

namespace tallowen {
namespace {

using testing::TempDir;

FinishedGame originalWonByPlayer1() {
    FinishedGame game;
    game.fieldName = "Original";
    game.turns = 42;
    game.player1 = "Eva";
    game.player2 = "PC Genius";
    game.movement = 1;
    game.times = 0;
    game.count1 = 64;
    game.count2 = 57;
    game.figure1 = "AEE1";
    game.figure2 = "EBA5";
    game.winner = 1;
    return game;
}

void addRecordKey(SettingsStore& store, long number, const char* fieldName) {
    store.CreateSettingKey(recordKey(number));
    store.WriteSetting(recordKey(number), "", std::string(fieldName), kTextType);
}

class GameRecordsTest : public ::testing::Test {
protected:
    TempDir dir;
    SettingsStore store{dir / "settings.sqlite3"};
    GameRecords records{store};
};

TEST_F(GameRecordsTest, ADecidedGameIsStoredWithEveryValue) {
    records.recordGame(originalWonByPlayer1());
    const std::string key = "Software\\Brenholt\\Tallowen\\Hry\\00001";
    EXPECT_EQ(storedText(store.ReadSetting(key, "")), "Original");
    EXPECT_EQ(storedInt(store.ReadSetting(key, "PočetTahů")), 42);
    EXPECT_EQ(storedText(store.ReadSetting(key, "Hráč1")), "Eva");
    EXPECT_EQ(storedText(store.ReadSetting(key, "Hráč2")), "PC Genius");
    EXPECT_EQ(storedInt(store.ReadSetting(key, "LogikaPohybu")), 1);
    EXPECT_EQ(storedInt(store.ReadSetting(key, "Časy")), 0);
    EXPECT_EQ(storedInt(store.ReadSetting(key, "Hráč1Počet")), 64);
    EXPECT_EQ(storedInt(store.ReadSetting(key, "Hráč2Počet")), 57);
    EXPECT_EQ(storedText(store.ReadSetting(key, "Hráč1Figurka")), "AEE1");
    EXPECT_EQ(storedText(store.ReadSetting(key, "Hráč2Figurka")), "EBA5");
    EXPECT_EQ(storedInt(store.ReadSetting(key, "Vyhrál")), 1);
    EXPECT_EQ(recordNumbers(store), (std::vector<long>{1}));
}

TEST_F(GameRecordsTest, TheSmallestFreeNumberIsTakenGapsIncluded) {
    addRecordKey(store, 1, "Original");
    addRecordKey(store, 3, "Draughts");
    // A key without its default value does not hold its number.
    store.CreateSettingKey(recordKey(4));
    store.WriteSetting(recordKey(4), "Hráč1", std::string("ghost"), kTextType);

    records.recordGame(originalWonByPlayer1());
    EXPECT_EQ(storedText(store.ReadSetting(recordKey(2), "Hráč1")), "Eva");
    records.recordGame(originalWonByPlayer1());
    EXPECT_EQ(recordNumbers(store), (std::vector<long>{1, 2, 3, 4}));
    EXPECT_EQ(storedText(store.ReadSetting(recordKey(4), "Hráč1")), "Eva");
    EXPECT_EQ(smallestFreeRecordNumber(store), 5);
}

TEST_F(GameRecordsTest, NumbersGrowPastFiveDigits) {
    EXPECT_EQ(recordKeyName(7), "00007");
    EXPECT_EQ(recordKeyName(99999), "99999");
    EXPECT_EQ(recordKeyName(123456), "123456");
    for (long n = 1; n <= 3; ++n) addRecordKey(store, n, "Original");
    addRecordKey(store, 100000, "Original");
    // Keys that are not record names do not count.
    store.CreateSettingKey(std::string(kRecordsKey) + "\\4");
    store.WriteSetting(std::string(kRecordsKey) + "\\4", "", std::string("x"), kTextType);
    EXPECT_EQ(recordNumbers(store), (std::vector<long>{1, 2, 3, 100000}));
    EXPECT_EQ(smallestFreeRecordNumber(store), 4);
}

TEST_F(GameRecordsTest, ATieLeavesNoRecord) {
    FinishedGame tie = originalWonByPlayer1();
    tie.count1 = tie.count2 = 60;
    tie.winner = 0;
    records.recordGame(tie);
    EXPECT_TRUE(store.SubKeys(kRecordsKey).empty());
    EXPECT_FALSE(store.openKey(recordKey(1)));
    records.recordGame(originalWonByPlayer1());
    EXPECT_EQ(recordNumbers(store), (std::vector<long>{1}));
}

TEST_F(GameRecordsTest, AFailedWriteLeavesNoHalfRecord) {
    // The last value of a record cannot be stored.
    testing::refuseWrites(dir / "settings.sqlite3", "NEW.name = 'Vyhrál'");
    records.recordGame(originalWonByPlayer1());
    EXPECT_EQ(store.takeMessages().size(), 1u);
    EXPECT_TRUE(store.SubKeys(kRecordsKey).empty());
    EXPECT_FALSE(store.openKey(kRecordsKey));
}

// Two processes, each with its own connection, end games at the same moment.
TEST(GameRecordsConcurrencyTest, TwoProcessesWritingAtOnceKeepEveryRecordUnderItsOwnNumber) {
    TempDir dir;
    const auto file = dir / "settings.sqlite3";
    { SettingsStore create(file); }
    constexpr int kGamesEach = 40;

    int go[2];
    ASSERT_EQ(pipe(go), 0);
    pid_t children[2];
    for (int c = 0; c < 2; ++c) {
        children[c] = fork();
        ASSERT_GE(children[c], 0);
        if (children[c] == 0) {
            close(go[1]);
            char start;
            if (read(go[0], &start, 1) != 1) _exit(3);
            SettingsStore store(file);
            GameRecords records(store);
            for (int i = 0; i < kGamesEach; ++i) {
                FinishedGame game = originalWonByPlayer1();
                game.player1 = "Writer" + std::to_string(c);
                game.turns = i;
                records.recordGame(game);
            }
            _exit(store.takeMessages().empty() ? 0 : 4);
        }
    }
    close(go[0]);
    ASSERT_EQ(write(go[1], "gg", 2), 2);  // both start together
    close(go[1]);
    for (pid_t child : children) {
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
    }

    SettingsStore store(file);
    const auto numbers = recordNumbers(store);
    ASSERT_EQ(numbers.size(), 2u * kGamesEach);
    EXPECT_EQ(numbers.front(), 1);
    EXPECT_EQ(numbers.back(), 2 * kGamesEach);
    std::set<std::pair<std::string, int>> games;
    for (long n : numbers) {
        const auto player = storedText(store.ReadSetting(recordKey(n), "Hráč1"));
        const auto turns = storedInt(store.ReadSetting(recordKey(n), "PočetTahů"));
        ASSERT_TRUE(player && turns);
        EXPECT_EQ(storedInt(store.ReadSetting(recordKey(n), "Vyhrál")), 1);
        games.insert({*player, *turns});
    }
    EXPECT_EQ(games.size(), 2u * kGamesEach);  // every game once
}

}  // namespace
}  // namespace tallowen
