#include "records/survey.h"

#include <gtest/gtest.h>

#include "records/game_records.h"
#include "records/setting_paths.h"
#include "temp_dir.h"

namespace tallowen {
namespace {

using testing::TempDir;
using Texts = std::vector<std::string>;

FinishedGame game(const std::string& player1, const std::string& player2, int count1, int count2,
                  const std::string& figure1 = "AEE1", const std::string& figure2 = "EEA5") {
    FinishedGame g;
    g.fieldName = "Original";
    g.turns = 60;
    g.player1 = player1;
    g.player2 = player2;
    g.count1 = count1;
    g.count2 = count2;
    g.figure1 = figure1;
    g.figure2 = figure2;
    g.movement = 2;
    g.times = 42;
    g.winner = count1 > count2 ? 1 : 2;
    return g;
}

class SurveyTest : public ::testing::Test {
protected:
    // Writes a game under a chosen number, as an older copy of the program may have left it.
    void storeAs(long number, const FinishedGame& g) {
        GameRecords(scratch).recordGame(g);
        const std::string from = recordKey(1), to = recordKey(number);
        store.CreateSettingKey(to);
        for (const char* name : {"", "PočetTahů", "Hráč1", "Hráč2", "LogikaPohybu", "Časy", "Hráč1Počet",
                                 "Hráč2Počet", "Hráč1Figurka", "Hráč2Figurka", "Vyhrál"}) {
            const SettingValue v = scratch.ReadSetting(from, name);
            if (auto text = storedText(v))
                store.WriteSetting(to, name, *text, kTextType);
            else
                store.WriteSetting(to, name, v, kIntType);
        }
        scratch.DeleteSettingKey(kRecordsKey);
    }
    Statistics survey() {
        PruzkHer(store, statistics);
        return statistics;
    }

    TempDir dir;
    SettingsStore store{dir / "settings.sqlite3"};
    SettingsStore scratch{dir / "scratch.sqlite3"};
    GameRecords records{store};
    Statistics statistics;
};

TEST_F(SurveyTest, NoRecordsLeaveEveryListEmpty) {
    const Statistics s = survey();
    for (const auto& list : s.LST) EXPECT_TRUE(list.empty());
    EXPECT_TRUE(s.ComboB.empty());
    EXPECT_EQ(s.HScroll1Max, -1);
}

TEST_F(SurveyTest, AGameWonByEvaAgainstTheComputer) {
    records.recordGame(game("PC Genius", "Eva", 24, 40, "AAE3", "EBA5"));
    const Statistics s = survey();
    EXPECT_EQ(s.LST[0], Texts{"Original"});
    EXPECT_EQ(s.LST[1], Texts{"PC Genius"});
    EXPECT_EQ(s.LST[2], Texts{"Eva"});
    EXPECT_EQ(s.LST[3], Texts{"2"});
    EXPECT_EQ(s.LST[4], Texts{"60"});
    EXPECT_EQ(s.LST[5], Texts{"Eva"});
    EXPECT_EQ(s.LST[6], Texts{"42"});
    EXPECT_EQ(s.LST[7], (Texts{"PC Genius", "Eva"}));
    EXPECT_EQ(s.LST[8], Texts{"(24)"});
    EXPECT_EQ(s.LST[9], Texts{"(40)"});
    EXPECT_EQ(s.LST[10], Texts{"62.5"});
    EXPECT_EQ(s.LST[11], (Texts{"AAE3", "EBA5"}));
    EXPECT_EQ(s.ComboB, (Texts{"PC Genius", "Eva"}));
    EXPECT_EQ(s.LST[13], (Texts{"AAE3", "EBA5"}));
    EXPECT_EQ(s.Text3[0].List, Texts{"Eva"});
    EXPECT_EQ(s.Text3[1].List, Texts{"Eva"});
    EXPECT_EQ(s.LST[12], Texts{"EBA5"});
    EXPECT_EQ(s.HScroll1Max, 0);
}

TEST_F(SurveyTest, SharesAreCutToOneDecimal) {
    records.recordGame(game("A", "B", 60, 40));   // 60
    records.recordGame(game("A", "B", 50, 71));   // 500 / 12.1 = 58.67...
    records.recordGame(game("A", "B", 1, 2));     // 66.66...
    EXPECT_EQ(survey().LST[10], (Texts{"60", "58.6", "66.6"}));
}

TEST_F(SurveyTest, RecordsAreReadInNumberOrderPastTheNineHundredNinetyNinth) {
    storeAs(5, game("E", "x", 10, 1));
    storeAs(1, game("A", "x", 10, 1));
    storeAs(1000, game("K", "x", 10, 1));
    storeAs(2, game("B", "x", 10, 1));
    storeAs(123456, game("L", "x", 10, 1));
    const Statistics s = survey();
    EXPECT_EQ(s.LST[1], (Texts{"A", "B", "E", "K", "L"}));
    EXPECT_EQ(s.HScroll1Max, 4);
}

TEST_F(SurveyTest, EachNameKeepsTheFigureOfItsEarliestGame) {
    records.recordGame(game("Eva", "Adam", 10, 20, "AAA1", "BBB2"));  // Eva loses
    records.recordGame(game("Adam", "Eva", 10, 20, "CCC3", "DDD4"));
    records.recordGame(game("Player 1", "PC Beginner", 30, 20, "EEE5", "ABC6"));
    const Statistics s = survey();
    EXPECT_EQ(s.ComboB, (Texts{"Eva", "Adam", "PC Beginner"}));
    EXPECT_EQ(s.LST[13], (Texts{"AAA1", "BBB2", "ABC6"}));
    EXPECT_EQ(s.Text3[0].List, (Texts{"Eva", "Adam"}));
    EXPECT_EQ(s.LST[12], (Texts{"AAA1", "BBB2"}));
    // Names are told apart by letter case.
    records.recordGame(game("eva", "Adam", 10, 20));
    EXPECT_EQ(survey().ComboB, (Texts{"Eva", "Adam", "PC Beginner", "eva"}));
}

TEST_F(SurveyTest, TheNameBoxesKeepTheirTextsAndLoseOldItems) {
    statistics.Text3[0] = {"Typed here", {"Stale"}};
    statistics.Text3[1] = {"", {"Stale"}};
    statistics.ComboB = {"Stale"};
    records.recordGame(game("Eva", "Adam", 10, 20));
    const Statistics s = survey();
    EXPECT_EQ(s.Text3[0].Text, "Typed here");
    EXPECT_EQ(s.Text3[1].Text, "");
    EXPECT_EQ(s.Text3[0].List, (Texts{"Eva", "Adam"}));
    EXPECT_EQ(s.ComboB, (Texts{"Eva", "Adam"}));
}

TEST_F(SurveyTest, ADamagedRecordIsSkippedAndTheOthersAreKept) {
    records.recordGame(game("A", "x", 10, 1));
    records.recordGame(game("B", "x", 10, 1, "AE1"));  // figure text too short
    records.recordGame(game("C", "x", 10, 1));
    records.recordGame(game("D", "x", 10, 1));
    records.recordGame(game("E", "x", 10, 1));
    records.recordGame(game("F", "x", 10, 1));
    store.DeleteSettingKey(recordKey(4));  // gone entirely: a gap
    store.WriteSetting(recordKey(5), "Hráč2", std::int32_t{3}, kIntType);   // player is no text
    store.CreateSettingKey(recordKey(7));                                  // only a default value
    store.WriteSetting(recordKey(7), "", std::string("Original"), kTextType);
    records.recordGame(game("G", "x", 10, 1));  // takes the gap, number 4
    const Statistics s = survey();
    EXPECT_EQ(s.LST[1], (Texts{"A", "C", "G", "F"}));
    EXPECT_EQ(recordNumbers(store), (std::vector<long>{1, 2, 3, 4, 5, 6, 7}));  // nothing was deleted
}

TEST_F(SurveyTest, AStoredTieOrAMissingWinnerReadsAsATie) {
    records.recordGame(game("Eva", "Adam", 30, 20));
    store.WriteSetting(recordKey(1), "Vyhrál", std::int32_t{0}, kIntType);
    // A record without a winner and without a turn count.
    const FinishedGame g = game("Ida", "Jan", 30, 20);
    const std::string key = recordKey(2);
    store.CreateSettingKey(key);
    for (auto [name, text] : {std::pair{"", g.fieldName}, {"Hráč1", g.player1}, {"Hráč2", g.player2},
                              {"Hráč1Figurka", g.figure1}, {"Hráč2Figurka", g.figure2}})
        store.WriteSetting(key, name, text, kTextType);
    store.WriteSetting(key, "Hráč1Počet", std::int32_t{30}, kIntType);
    store.WriteSetting(key, "Hráč2Počet", std::int32_t{20}, kIntType);

    const Statistics s = survey();
    EXPECT_EQ(s.LST[5], (Texts{"TIE!", "TIE!"}));
    EXPECT_EQ(s.LST[10], (Texts{"50", "50"}));
    EXPECT_EQ(s.LST[7], (Texts{"Eva", "Adam", "Ida", "Jan"}));
    EXPECT_EQ(s.LST[4], (Texts{"60", ""}));
    EXPECT_EQ(s.ComboB, (Texts{"Eva", "Adam", "Ida", "Jan"}));
}

TEST_F(SurveyTest, AFinishedSurveyHoldsNoReadThatKeepsOtherCopiesFromWriting) {
    records.recordGame(game("Eva", "Adam", 10, 20));
    survey();
    store.ReadSetting(recordKey(1), "Hráč1");
    SettingsStore other(dir / "settings.sqlite3");
    GameRecords(other).recordGame(game("Ida", "Jan", 30, 20));
    EXPECT_TRUE(other.takeMessages().empty());
    EXPECT_EQ(survey().LST[1], (Texts{"Eva", "Ida"}));
}

}  // namespace
}  // namespace tallowen
