#include <gtest/gtest.h>

#include "records/game_records.h"
#include "records/results.h"
#include "records/setting_paths.h"
#include "records/survey.h"
#include "test_store.h"

namespace tallowen {
namespace {

using testing::decidedGame;
using testing::TempDir;
using Texts = std::vector<std::string>;
using Lines4 = std::array<std::string, 4>;

class StatisticsTest : public ::testing::Test {
protected:
    // Stores a game under a chosen number, as an older copy of the program may have left it.
    void recordAs(long number, const FinishedGame& game) {
        store.transaction([&] { return writeRecord(store, number, game); });
    }
    Statistics survey() {
        PruzkHer(store, statistics);
        return statistics;
    }

    TempDir dir;
    SettingsStore store{dir / "s.sqlite3"};
    GameRecords records{store};
    Statistics statistics;
};

TEST_F(StatisticsTest, AGameWonByEvaAgainstTheComputer) {
    statistics.Text3[0] = {"Typed here", {"Stale"}};
    EXPECT_EQ(survey().HScroll1Max, -1);
    records.recordGame(decidedGame("PC Genius", "Eva", 24, 40));
    const Statistics s = survey();
    EXPECT_EQ(s.ComboB, (Texts{"PC Genius", "Eva"}));
    EXPECT_EQ(s.Text3[0].Text, "Typed here");
    EXPECT_EQ(s.Text3[0].List, Texts{"Eva"});
    EXPECT_EQ(s.HScroll1Max, 0);

    // The per-game lists are checked where they are shown: the results window and the tool's output.
    const auto eva = ComboB_Click(s, "Eva");
    ASSERT_TRUE(eva);
    EXPECT_EQ(eva->level, 0);
    EXPECT_EQ(eva->figure.colour, rgb(15, 195, 255));
    EXPECT_EQ(eva->figure.code, "5");
    EXPECT_EQ(ComboB_Click(s, "PC Genius")->level, 3);
    EXPECT_FALSE(ComboB_Click(s, "Nobody"));
    EXPECT_TRUE(HScroll1_Change(s, 0));
    EXPECT_FALSE(HScroll1_Change(s, 1));
}

// Shares and their average are cut, never rounded: 2 to 1 is 66.6, and 100, 100 and 0 average 66.66.
TEST_F(StatisticsTest, SuccessAveragesTheCutSharesAndAGameAgainstOneselfCountsTwice) {
    records.recordGame(decidedGame("Eva", "Adam", 60, 40));
    records.recordGame(decidedGame("Ida", "Eva", 70, 30));
    records.recordGame(decidedGame("PC Genius", "PC Genius", 70, 51));
    records.recordGame(decidedGame("Ida", "Adam", 2, 1));
    for (const FinishedGame& game : {decidedGame("Ota", "Adam", 10, 0), decidedGame("Adam", "Ota", 0, 10),
                                     decidedGame("Adam", "Ota", 10, 0)})
        records.recordGame(game);
    const Statistics s = survey();
    EXPECT_EQ(ComboB_Click(s, "Eva")->List2,
              (Lines4{"Won\t\t1 game", "Lost\t\t1 game", "Total played\t2 games", "Success\t\t45%"}));
    EXPECT_EQ(ComboB_Click(s, "PC Genius")->List2,
              (Lines4{"Won\t\t1 game", "Lost\t\t1 game", "Total played\t2 games", "Success\t\t50%"}));
    EXPECT_EQ(ComboB_Click(s, "Ota")->List2,
              (Lines4{"Won\t\t2 games", "Lost\t\t1 game", "Total played\t3 games", "Success\t\t66.66%"}));
    EXPECT_EQ((*HScroll1_Change(s, 3))[5], "Winner\t\tIda(66.6%)");
}

// Records are skipped, and counted, when a value breaks the store's rules (another tool wrote it with
// the checks off), or is missing or out of range; the person hears how many once, not at every survey.
TEST_F(StatisticsTest, RecordsAreReadInNumberOrderAndUnreadableOnesSkippedCountedAndToldOnce) {
    recordAs(123456, decidedGame("L", "x", 10, 1));
    recordAs(1000, decidedGame("K", "x", 10, 1));
    recordAs(5, decidedGame("E", "x", 10, 1));
    FinishedGame shortFigure = decidedGame("B", "x", 10, 1);
    shortFigure.figure1 = "AE1";
    for (const char* player : {"A", "B", "C", "D", "F", "G", "H"})
        records.recordGame(player == std::string("B") ? shortFigure : decidedGame(player, "x", 10, 1));
    store.WriteSetting(recordKey(3), "Hráč2", std::int32_t{3}, kIntType);  // a player that is no text
    store.WriteSetting(recordKey(4), "Vyhrál", std::int32_t{3}, kIntType);
    store.WriteSetting(recordKey(6), "Hráč1Počet", std::int32_t{-1}, kIntType);
    testing::runSql(dir / "s.sqlite3",
                    "PRAGMA ignore_check_constraints = ON;"
                    "UPDATE setting_values SET value = 'many' WHERE path = '" + recordKey(7) + "' AND name = 'Hráč2Počet';"
                    "UPDATE setting_values SET value = x'01' WHERE path = '" + recordKey(8) + "' AND name = 'Vyhrál';");
    const Statistics s = survey();
    EXPECT_EQ(s.LST[1], (Texts{"A", "E", "K", "L"}));
    EXPECT_EQ(s.HScroll1Max, 3);
    EXPECT_EQ(s.skippedRecords, 6);
    EXPECT_EQ(store.takeMessages(),
              (std::vector<UserMessage>{{"6 stored games could not be read and are left out of the results.", "Tallowen"}}));
    survey();
    EXPECT_TRUE(store.takeMessages().empty());
    EXPECT_EQ(recordNumbers(store), (std::vector<long>{1, 2, 3, 4, 5, 6, 7, 8, 1000, 123456}));  // nothing deleted
}

}  // namespace
}  // namespace tallowen
