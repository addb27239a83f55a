#include <gtest/gtest.h>

#include "engine/field_strings.h"
#include "records/game_review.h"

namespace tallowen {
namespace {

GameLine line(const std::string& gameString, std::vector<BoardMove> moves) {
    return {"Test", MoveRule::Star, gameString, {"Eva", "Bob"}, std::move(moves)};
}

// Each player's moves counted as the game window's turn label counts them, the cells named by
// column letter and row from the top, the gain the mover's new pieces: a jump that converts one,
// a grow that converts one, a grow that converts two.
TEST(GameReview, TheMoveListNamesEachMoveAsTheRulesPlayedIt) {
    const GameReview review(line("+XXXX" "XXXXX" "XX-XX" "XXXXX" "XXXX-" "1", {{0, 0, 2, 1}, {4, 4, 3, 3}, {2, 1, 3, 2}}));
    ASSERT_EQ(review.moveCount(), 3u);
    EXPECT_EQ(review.moveText(0), "1. Eva a1\u2192c2, +1");
    EXPECT_EQ(review.moveText(1), "1. Bob e5\u2192d4, +2");
    EXPECT_EQ(review.moveText(2), "2. Eva c2\u2192d3, +3");
    ASSERT_EQ(review.positions().size(), 4u);
    EXPECT_EQ(review.positions()[1].board(0, 0), kEmpty) << "the jump left its cell";
    EXPECT_EQ(std::make_pair(review.positions()[3].count1, review.positions()[3].count2), std::make_pair(4, 1));
    EXPECT_EQ(review.positions()[2].mover, 1);
    EXPECT_FALSE(review.endedByFill());
    EXPECT_EQ(review.copyLine(), "tallowen-engine play --rule star +XXXXXXXXXXX-XXXXXXXXXXX-1 0,0:2,1 4,4:3,3 2,1:3,2");
}

// The move takes Bob's only piece: Bob cannot move and the empty cells go to Eva. A move the rules
// refuse ends the line.
TEST(GameReview, AFillEndsTheListAndARefusedMoveEndsTheLine) {
    const GameReview review(line("+XX" "XXX" "XX-" "1", {{0, 0, 1, 1}, {2, 2, 2, 1}}));
    ASSERT_EQ(review.moveCount(), 1u);
    EXPECT_EQ(review.moveText(0), "1. Eva a1\u2192b2, +2");
    ASSERT_TRUE(review.endedByFill());
    EXPECT_EQ(review.fillText(), "Bob cannot move: 6 empty cells go to Eva");
    EXPECT_EQ(review.positions().back().count1, 9);
    EXPECT_EQ(review.resultText(), "Eva 9 : 0 Bob, Eva wins");
    EXPECT_EQ(review.copyLine(), "tallowen-engine play --rule star +XXXXXXX-1 0,0:1,1");

    const GameReview refused(line("+XX" "XXX" "XX-" "1", {{0, 0, 2, 2}}));
    EXPECT_EQ(refused.moveCount(), 0u);
    EXPECT_EQ(refused.positions().size(), 1u);
}

// Position k's valuation for player 1; move k by movers[k]. Player 1's moves lose what the value
// falls, player 2's what it rises; a gain is no turning point; equal losses keep their order.
TEST(GameReview, TheTurningPointsAreTheLargestLossesOfTheirMovers) {
    const std::vector<int> values{0, 5, -3, -2, 8, 1, 4, 1};
    const std::vector<int> movers{1, 2, 1, 2, 1, 2, 1};
    EXPECT_EQ(turningPoints(values, movers), (std::vector<std::size_t>{3, 4, 5}));
    EXPECT_EQ(turningPoints(values, movers, 5), (std::vector<std::size_t>{3, 4, 5, 6}));
    EXPECT_TRUE(turningPoints({3, 4, 2, 3}, {1, 2, 1}).empty());
}

}  // namespace
}  // namespace tallowen
