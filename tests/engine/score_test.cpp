#include <gtest/gtest.h>

#include "game_fixture.h"

namespace tallowen {
namespace {

using test::GameTest;

class Scoring : public GameTest {};

// A 3 x 3 field with one empty cell left; player 1 fills it and wins 6 : 2 under Star.
const std::string kLastCell = test::rows({"++-", "+X-", "+0+"}) + "1";

TEST_F(Scoring, TheMoveThatFillsTheFieldEndsTheGameAndHandsOverTheRecord) {
    game.Label2.Caption = "Tallowen - Original";
    game.setup.Combo1 = {4, 2};
    game.HR1 = {rgb(255, 0, 0), kWhite, "1"};
    game.HR2 = {rgb(196, 195, 16), kWhite, "7"};  // band edges: the letters cut, never round
    start(kLastCell);
    game.TurnCount = 41.5;  // as after a long game: stored rounded up to whole turns
    move(0, 0, 1, 1);
    ASSERT_TRUE(game.GameOver);
    ASSERT_EQ(recorder.games.size(), 1u);
    const FinishedGame& r = recorder.games[0];
    EXPECT_EQ(r.fieldName, "Original");
    EXPECT_EQ(r.turns, 42);
    EXPECT_EQ(r.player1, "Ann");
    EXPECT_EQ(r.player2, "Bob");
    EXPECT_EQ(r.movement, 1);
    EXPECT_EQ(r.times, 42);
    EXPECT_EQ(r.count1, 8);
    EXPECT_EQ(r.count2, 0);
    EXPECT_EQ(r.figure1, "AEE1");
    EXPECT_EQ(r.figure2, "ABD7");
    EXPECT_EQ(r.winner, 1);
    EXPECT_EQ(game.Check3.Caption, "Ann");
    EXPECT_EQ(view.winnerFigures, std::vector<int>{1});
    EXPECT_FALSE(game.Image10.Enabled);
    EXPECT_TRUE(game.Picture13[7].Visible);
    EXPECT_FALSE(game.PLS.Visible);  // one side has no piece left

    // Scoring again changes nothing and stores nothing more.
    game.Score();
    game.Score();
    EXPECT_EQ(recorder.games.size(), 1u);
}

TEST_F(Scoring, LeadLabelShowsTheDifferenceInTheLeadersColour) {
    start(test::rows({"++XXX", "XXXXX", "XXXXX", "XXXXX", "XXX--"}) + "1");
    EXPECT_EQ(game.PLS.Caption, "TIE!");
    EXPECT_EQ(game.PLS.ForeColor, kBlack);
    EXPECT_TRUE(game.PLS.Visible);
    move(0, 0, 1, 1);
    EXPECT_EQ(game.PLS.Caption, "1");
    EXPECT_EQ(game.PLS.ForeColor, game.HR1.BackColor);
    move(3, 4, 2, 2);  // a jump that converts (1, 1)
    EXPECT_EQ(game.PLS.Caption, "1");
    EXPECT_EQ(game.PLS.ForeColor, game.HR2.BackColor);
    EXPECT_EQ(game.PL1S.Caption, " 2");
    EXPECT_EQ(game.PL2S.Caption, "3 ");
}

TEST_F(Scoring, ATieEndsTheGameWithoutAWinner) {
    // Player 1 fills the last cell, which touches only holes and own pieces: 3 : 3.
    start(test::rows({"+0-", "X0-", "+0-"}) + "1");
    move(0, 0, 0, 1);
    ASSERT_EQ(recorder.games.size(), 1u);
    EXPECT_EQ(recorder.games[0].winner, 0);
    EXPECT_EQ(game.Check3.Caption, "TIE!");
    EXPECT_EQ(view.winnerFigures, std::vector<int>{0});
}

TEST_F(Scoring, AFieldOfHolesIsNeverAGame) {
    start(test::rows({"00", "00"}) + "1");
    EXPECT_FALSE(game.GameOver);
    EXPECT_TRUE(recorder.games.empty());
}

}  // namespace
}  // namespace tallowen
