#include "records/results.h"

#include <gtest/gtest.h>

namespace tallowen {
namespace {

// Statistics as the survey lays them out, one game at a time.
class StatisticsBuilder {
public:
    StatisticsBuilder& game(const std::string& player1, const std::string& player2, int count1, int count2,
                            int winner, const std::string& share, const std::string& times = "0",
                            const std::string& movement = "1") {
        auto& L = s.LST;
        L[0].push_back("Original");
        L[1].push_back(player1);
        L[2].push_back(player2);
        L[3].push_back(movement);
        L[4].push_back("61");
        L[5].push_back(winner == 1 ? player1 : winner == 2 ? player2 : "TIE!");
        L[6].push_back(times);
        L[8].push_back("(" + std::to_string(count1) + ")");
        L[9].push_back("(" + std::to_string(count2) + ")");
        L[10].push_back(share);
        for (const auto& name : {player1, player2})
            if (std::find(s.ComboB.begin(), s.ComboB.end(), name) == s.ComboB.end()) {
                s.ComboB.push_back(name);
                s.LST[13].push_back("ABE2");
            }
        return *this;
    }
    Statistics s;
};

using Lines4 = std::array<std::string, 4>;

TEST(ResultsTest, GameCountText) {
    EXPECT_EQ(GameCountText(1), " game");
    EXPECT_EQ(GameCountText(0), " games");
    EXPECT_EQ(GameCountText(5), " games");
    EXPECT_EQ(GameCountText(-1), " ");
}

TEST(ResultsTest, OneWonGame) {
    const auto s = StatisticsBuilder().game("PC Genius", "Eva", 24, 40, 2, "62.5").s;
    const auto eva = ComboB_Click(s, "Eva");
    ASSERT_TRUE(eva);
    EXPECT_EQ(eva->List2,
              (Lines4{"Won\t\t1 game", "Lost\t\t0 games", "Total played\t1 game", "Success\t\t62.5%"}));
    const auto pc = ComboB_Click(s, "PC Genius");
    EXPECT_EQ(pc->List2,
              (Lines4{"Won\t\t0 games", "Lost\t\t1 game", "Total played\t1 game", "Success\t\t37.5%"}));
    EXPECT_EQ(pc->level, 3);
    EXPECT_EQ(eva->level, 0);
}

TEST(ResultsTest, AWinAtSixtyAndALossToSeventyAverageFortyFive) {
    const auto s = StatisticsBuilder().game("Eva", "Adam", 60, 40, 1, "60").game("Ida", "Eva", 70, 30, 1, "70").s;
    EXPECT_EQ(ComboB_Click(s, "Eva")->List2,
              (Lines4{"Won\t\t1 game", "Lost\t\t1 game", "Total played\t2 games", "Success\t\t45%"}));
}

TEST(ResultsTest, AGameAgainstOneselfCountsAsOneWonAndOneLost) {
    const auto s = StatisticsBuilder().game("PC Genius", "PC Genius", 70, 51, 1, "57.8").s;
    EXPECT_EQ(ComboB_Click(s, "PC Genius")->List2,
              (Lines4{"Won\t\t1 game", "Lost\t\t1 game", "Total played\t2 games", "Success\t\t50%"}));
}

TEST(ResultsTest, SuccessIsCutToTwoDecimals) {
    StatisticsBuilder b;
    b.game("Eva", "A", 60, 40, 1, "60").game("Eva", "A", 60, 40, 1, "60").game("Eva", "A", 40, 60, 2, "60.1");
    // (60 + 60 + 39.9) / 3 = 53.3
    EXPECT_EQ(ComboB_Click(b.s, "Eva")->List2[3], "Success\t\t53.3%");
    b.game("Eva", "A", 1, 2, 2, "66.6").game("Eva", "A", 1, 2, 2, "66.6").game("Eva", "A", 1, 2, 2, "66.6");
    // (159.9 + 3 x 33.4) / 6 = 43.35
    EXPECT_EQ(ComboB_Click(b.s, "Eva")->List2[3], "Success\t\t43.35%");
    b.game("Eva", "A", 1, 2, 1, "0.1");
    // (260.1 + 0.1) / 7 = 37.1714...
    EXPECT_EQ(ComboB_Click(b.s, "Eva")->List2[3], "Success\t\t37.17%");
}

TEST(ResultsTest, ATieCountsAsPlayedAtHalf) {
    const auto s = StatisticsBuilder().game("Eva", "Adam", 30, 30, 0, "50").game("Eva", "Adam", 70, 30, 1, "70").s;
    EXPECT_EQ(ComboB_Click(s, "Adam")->List2,
              (Lines4{"Won\t\t0 games", "Lost\t\t1 game", "Total played\t2 games", "Success\t\t40%"}));
}

TEST(ResultsTest, ThePlayersFigureIsDecodedFromTheEarliestGame) {
    auto s = StatisticsBuilder().game("Eva", "Adam", 60, 40, 1, "60").s;
    s.LST[13] = {"AEE1", "CDB8"};
    const auto adam = ComboB_Click(s, "Adam");
    EXPECT_EQ(adam->figure.colour, rgb(135, 75, 195));
    EXPECT_EQ(adam->figure.code, "8");
    EXPECT_EQ(ComboB_Click(s, "Eva")->figure.colour, rgb(255, 15, 15));
    EXPECT_FALSE(ComboB_Click(s, "Nobody"));
}

TEST(ResultsTest, TheEightLinesOfAGame) {
    const auto s = StatisticsBuilder()
                       .game("PC Genius", "Eva", 24, 40, 2, "62.5", "42", "1")
                       .game("A", "B", 10, 1, 1, "90.9", "10", "2")
                       .game("A", "B", 10, 1, 1, "90.9", "3", "7")
                       .s;
    using Lines8 = std::array<std::string, 8>;
    EXPECT_EQ(HScroll1_Change(s, 0), (Lines8{"Field\t\tOriginal", "Player 1\t\tPC Genius(24)", "Player 2\t\tEva(40)",
                                             "Movement\tStar", "Turns\t\t61", "Winner\t\tEva(62.5%)",
                                             "Game time for plr.1\t10 minut", "Game time for plr.2\t60 minut"}));
    const auto second = HScroll1_Change(s, 1);
    EXPECT_EQ((*second)[3], "Movement\tCross");
    EXPECT_EQ((*second)[6], "Game time for plr.1\t90 minut");
    EXPECT_EQ((*second)[7], "Game time for plr.2\tNeomezeně");
    const auto third = HScroll1_Change(s, 2);
    EXPECT_EQ((*third)[3], "Movement\t");
    EXPECT_EQ((*third)[6], "Game time for plr.1\tNeomezeně");
    EXPECT_EQ((*third)[7], "Game time for plr.2\t30 minut");
    EXPECT_FALSE(HScroll1_Change(s, 3));
    EXPECT_FALSE(HScroll1_Change(s, -1));
}

}  // namespace
}  // namespace tallowen
