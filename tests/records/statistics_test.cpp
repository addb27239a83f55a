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
        const std::string from = recordKey(smallestFreeRecordNumber(store)), to = recordKey(number);
        records.recordGame(game);
        store.CreateSettingKey(to);
        for (const char* name : {"", "PočetTahů", "Hráč1", "Hráč2", "LogikaPohybu", "Časy", "Hráč1Počet",
                                 "Hráč2Počet", "Hráč1Figurka", "Hráč2Figurka", "Vyhrál"}) {
            const SettingValue value = store.ReadSetting(from, name);
            const auto text = storedText(value);
            store.WriteSetting(to, name, text ? SettingValue(*text) : value, text ? kTextType : kIntType);
        }
        store.DeleteSettingKey(from);
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
    const Texts expected[14] = {{"Original"}, {"PC Genius"}, {"Eva"}, {"2"}, {"60"}, {"Eva"}, {"42"},
                                {"PC Genius", "Eva"}, {"(24)"}, {"(40)"}, {"62.5"}, {"AEE1", "EBA5"},
                                {"EBA5"}, {"AEE1", "EBA5"}};
    for (std::size_t i = 0; i < 14; ++i) EXPECT_EQ(s.LST[i], expected[i]) << i;
    EXPECT_EQ(s.ComboB, (Texts{"PC Genius", "Eva"}));
    EXPECT_EQ(s.Text3[0].Text, "Typed here");
    EXPECT_EQ(s.Text3[0].List, Texts{"Eva"});
    EXPECT_EQ(s.HScroll1Max, 0);

    const auto eva = ComboB_Click(s, "Eva");
    ASSERT_TRUE(eva);
    EXPECT_EQ(eva->List2, (Lines4{"Won\t\t1 game", "Lost\t\t0 games", "Total played\t1 game", "Success\t\t62.5%"}));
    EXPECT_EQ(eva->level, 0);
    EXPECT_EQ(eva->figure.colour, rgb(15, 195, 255));
    EXPECT_EQ(eva->figure.code, "5");
    const auto computer = ComboB_Click(s, "PC Genius");
    EXPECT_EQ(computer->List2[3], "Success\t\t37.5%");
    EXPECT_EQ(computer->level, 3);
    EXPECT_FALSE(ComboB_Click(s, "Nobody"));

    EXPECT_EQ(HScroll1_Change(s, 0),
              (std::array<std::string, 8>{"Field\t\tOriginal", "Player 1\t\tPC Genius(24)", "Player 2\t\tEva(40)",
                                          "Movement\tCross", "Turns\t\t60", "Winner\t\tEva(62.5%)",
                                          "Game time for plr.1\t10 minut", "Game time for plr.2\t60 minut"}));
    EXPECT_FALSE(HScroll1_Change(s, 1));
}

TEST_F(StatisticsTest, SuccessAveragesTheSharesAndAGameAgainstOneselfCountsTwice) {
    records.recordGame(decidedGame("Eva", "Adam", 60, 40));
    records.recordGame(decidedGame("Ida", "Eva", 70, 30));
    records.recordGame(decidedGame("PC Genius", "PC Genius", 70, 51));
    const Statistics s = survey();
    EXPECT_EQ(ComboB_Click(s, "Eva")->List2,
              (Lines4{"Won\t\t1 game", "Lost\t\t1 game", "Total played\t2 games", "Success\t\t45%"}));
    EXPECT_EQ(ComboB_Click(s, "PC Genius")->List2,
              (Lines4{"Won\t\t1 game", "Lost\t\t1 game", "Total played\t2 games", "Success\t\t50%"}));
}

TEST_F(StatisticsTest, RecordsAreReadInNumberOrderPastTheNineHundredNinetyNinthAndDamagedOnesSkipped) {
    recordAs(123456, decidedGame("L", "x", 10, 1));
    recordAs(1000, decidedGame("K", "x", 10, 1));
    recordAs(5, decidedGame("E", "x", 10, 1));
    FinishedGame shortFigure = decidedGame("B", "x", 10, 1);
    shortFigure.figure1 = "AE1";
    for (const FinishedGame& game : {decidedGame("A", "x", 10, 1), shortFigure, decidedGame("C", "x", 10, 1)})
        records.recordGame(game);
    store.WriteSetting(recordKey(3), "Hráč2", std::int32_t{3}, kIntType);  // a player that is no text
    const Statistics s = survey();
    EXPECT_EQ(s.LST[1], (Texts{"A", "E", "K", "L"}));
    EXPECT_EQ(s.HScroll1Max, 3);
    EXPECT_EQ(recordNumbers(store), (std::vector<long>{1, 2, 3, 5, 1000, 123456}));  // nothing was deleted
}

}  // namespace
}  // namespace tallowen
