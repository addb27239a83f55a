#include <gtest/gtest.h>

#include <functional>

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

// Every stored game that cannot be shown as a whole, sound record is left out and counted, whatever the
// reason; the person hears how many once, not at every survey, and nothing is deleted.
TEST_F(StatisticsTest, EveryGameThatCannotBeShownWholeIsLeftOutCountedToldOnceAndLeftAlone) {
    const auto set = [&](const char* name, SettingValue value) {
        return [this, name, value](long n) {
            store.WriteSetting(recordKey(n), name, value, std::holds_alternative<std::string>(value) ? kTextType : kIntType);
        };
    };
    const auto sql = [&](const std::string& statement) {
        return [this, statement](long n) {
            const std::string key = recordKey(n);
            std::string text = statement;
            for (std::size_t at; (at = text.find("KEY")) != std::string::npos;) text.replace(at, 3, key);
            testing::runSql(dir / "s.sqlite3", "PRAGMA ignore_check_constraints = ON;" + text);
        };
    };
    const std::vector<std::function<void(long)>> breakages = {
        set("Hráč1Figurka", std::string("AE1")),
        set("Hráč2Figurka", std::string("AEF1")),  // a band letter past "E"
        set("Hráč1Figurka", std::string("AEE9")),  // no such figure
        set("Hráč2", std::int32_t{3}),             // a player that is no text
        set("Hráč1", std::string()),
        set("", std::string()),                    // no field: the number is free for the next game
        set("Vyhrál", std::int32_t{3}),
        set("Vyhrál", std::int32_t{2}),            // the loser named the winner
        set("Hráč1Počet", std::int32_t{-1}),
        set("Hráč1Počet", std::int32_t{256}),      // more figures than the largest field has cells
        set("PočetTahů", std::int32_t{-1}),
        set("LogikaPohybu", std::int32_t{99}),
        set("Časy", std::int32_t{2147483647}),
        set("Časy", std::int32_t{45}),
        sql("UPDATE setting_values SET value = 'many' WHERE path = 'KEY' AND name = 'Hráč2Počet';"),
        sql("UPDATE setting_values SET value = x'01' WHERE path = 'KEY' AND name = 'Vyhrál';"),
        sql("DELETE FROM setting_keys WHERE path = 'KEY';"),  // the values remain
        sql("DELETE FROM setting_values WHERE path = 'KEY';"),  // the key remains
        sql("UPDATE setting_keys SET path = replace(path, '\\0', '\\abc') WHERE path = 'KEY';"
            "UPDATE setting_values SET path = replace(path, '\\0', '\\abc') WHERE path = 'KEY';"),
    };
    Texts shown;
    for (long n = 1; n <= static_cast<long>(2 * breakages.size()); ++n) {
        recordAs(n, decidedGame("P" + std::to_string(n), "x", 10, 1));
        if (n % 2 == 0) breakages[static_cast<std::size_t>(n / 2 - 1)](n);
        else shown.push_back("P" + std::to_string(n));
    }
    // Values of other names are not the game's, whatever they hold: a later version may add some.
    store.WriteSetting(recordKey(1), "Later", std::string("x"), kTextType);
    sql("INSERT INTO setting_values VALUES ('KEY', 'Broken', 7, x'00');")(3);
    recordAs(123456, decidedGame("L", "x", 10, 1));
    recordAs(1000, decidedGame("K", "x", 10, 1));
    shown.insert(shown.end(), {"K", "L"});
    const std::size_t numbers = recordNumbers(store).size();

    const Statistics s = survey();
    EXPECT_EQ(s.LST[1], shown);
    EXPECT_EQ(s.skippedRecords, static_cast<int>(breakages.size()));
    EXPECT_EQ(store.takeMessages(),
              (std::vector<UserMessage>{{std::to_string(breakages.size()) +
                                             " stored games could not be read and are left out of the results.",
                                         "Tallowen"}}));
    survey();
    EXPECT_TRUE(store.takeMessages().empty());
    EXPECT_EQ(recordNumbers(store).size(), numbers);  // nothing deleted
}

}  // namespace
}  // namespace tallowen
