#include <gtest/gtest.h>

#include "game_fixture.h"

namespace tallowen {
namespace {

class Scoring : public test::GameTest {};

TEST_F(Scoring, TheMoveThatFillsTheFieldEndsTheGameAndHandsOverTheRecord) {
    game.Label2.Caption = "Tallowen - Original";
    game.setup.Combo1 = {4, 2};
    game.HR1 = {rgb(255, 0, 0), kWhite, "1"};
    game.HR2 = {rgb(196, 195, 16), kWhite, "7"};  // band edges: the letters cut, never round
    // A 3 x 3 field with one empty cell left; player 1 fills it and wins 8 : 0 under Star.
    start(test::rows({"++-", "+X-", "+0+"}) + "1");
    game.TurnCount = 41.5;  // as after a long game: stored rounded up to whole turns
    move(0, 0, 1, 1);
    ASSERT_TRUE(game.GameOver);
    ASSERT_EQ(recorder.games.size(), 1u);
    const FinishedGame& r = recorder.games[0];
    EXPECT_EQ(std::tie(r.fieldName, r.turns, r.player1, r.player2, r.movement, r.times),
              std::make_tuple("Original", 42, "Ann", "Bob", 1, 42));
    EXPECT_EQ(std::tie(r.count1, r.count2, r.figure1, r.figure2, r.winner), std::make_tuple(8, 0, "AEE1", "ABD7", 1));
    EXPECT_EQ(game.Check3.Caption, "Ann");
    EXPECT_EQ(view.winnerFigures, std::vector<int>{1});
    EXPECT_FALSE(game.Image10.Enabled);
    EXPECT_TRUE(game.Picture13[7].Visible);
    EXPECT_FALSE(game.PLS.Visible);  // one side has no piece left

    // Scoring again changes nothing and stores nothing more.
    game.Score();
    EXPECT_EQ(recorder.games.size(), 1u);
}

TEST_F(Scoring, LeadLabelShowsTheDifferenceInTheLeadersColour) {
    start(test::rows({"++XXX", "XXXXX", "XXXXX", "XXXXX", "XXX--"}) + "1");
    EXPECT_EQ(std::make_pair(game.PLS.Caption, game.PLS.ForeColor), std::make_pair(std::string("TIE!"), kBlack));
    EXPECT_TRUE(game.PLS.Visible);
    move(0, 0, 1, 1);
    EXPECT_EQ(std::make_pair(game.PLS.Caption, game.PLS.ForeColor), std::make_pair(std::string("1"), game.HR1.BackColor));
    move(3, 4, 2, 2);  // a jump that converts (1, 1)
    EXPECT_EQ(std::make_pair(game.PLS.Caption, game.PLS.ForeColor), std::make_pair(std::string("1"), game.HR2.BackColor));
    EXPECT_EQ(std::make_pair(game.PL1S.Caption, game.PL2S.Caption), std::make_pair(std::string(" 2"), std::string("3 ")));
}

TEST_F(Scoring, ATieEndsTheGameWithoutAWinnerAndAFieldOfHolesIsNeverAGame) {
    // Player 1 fills the last cell, which touches only holes and own pieces: 3 : 3.
    start(test::rows({"+0-", "X0-", "+0-"}) + "1");
    move(0, 0, 0, 1);
    ASSERT_EQ(recorder.games.size(), 1u);
    EXPECT_EQ(recorder.games[0].winner, 0);
    EXPECT_EQ(game.Check3.Caption, "TIE!");
    EXPECT_EQ(view.winnerFigures, std::vector<int>{0});

    start(test::rows({"00", "00"}) + "1");
    EXPECT_FALSE(game.GameOver);
    EXPECT_EQ(recorder.games.size(), 1u);
}

}  // namespace
}  // namespace tallowen
