#include <gtest/gtest.h>

#include <vector>

#include "cli/computer_game.h"
#include "setup/built_in_fields.h"

namespace tallowen::cli {
namespace {

struct Keeper : GameRecorder {
    void recordGame(const FinishedGame& game) override { games.push_back(game); }
    std::vector<FinishedGame> games;
};

TEST(ComputerGame, PlaysToAFullBoardAndHandsTheRecordOn) {
    Keeper keeper;
    const ComputerGame setup{MoveRule::Cross, builtInFields()[0].field + "1", 3, 1, seriesGameSeed(5, 1), builtInFields()[0].name, {}};
    const auto record = playComputerGame(setup, &keeper);
    ASSERT_TRUE(record);
    ASSERT_EQ(keeper.games.size(), 1u);
    EXPECT_EQ(keeper.games[0].count1, record->count1);
    EXPECT_EQ(record->count1 + record->count2, 121);
    EXPECT_EQ(record->player1, "PC Genius");
    EXPECT_EQ(record->player2, "PC Beginner");
    EXPECT_EQ(record->movement, 2);
    EXPECT_EQ(record->fieldName, "Original");

    EXPECT_NE(seriesGameSeed(5, 1), seriesGameSeed(5, 2));
    EXPECT_NE(seriesGameSeed(5, 1), seriesGameSeed(6, 1));
}

}  // namespace
}  // namespace tallowen::cli
