#include "setup/setup_window.h"

#include <gtest/gtest.h>

#include "../records/test_store.h"
#include "engine/headless_game.h"
#include "records/game_records.h"
#include "setup/built_in_fields.h"
#include "setup/start_up.h"

namespace tallowen {
namespace {

using Texts = std::vector<std::string>;

class SetupWindowTest : public ::testing::Test {
protected:
    // Runs start-up as the program does, recording the splash texts and when the music was built.
    void startUp() {
        const auto steps = startUpSteps(setup, {[this] { statuses.push_back("music"); }, {}, {}});
        for (const StartUpStep& step : steps) {
            statuses.push_back(step.status);
            step.run();
        }
    }
    // Runs the game window's start that "START" enabled.
    void runGameStart() {
        headless.clock().runUntil([this] { return !game.Timer1.enabled(); });
    }

    testing::TempDir dir;
    SettingsStore store{dir / "s.sqlite3"};
    HeadlessGame headless;
    GameWindow& game = headless.game();
    SetupWindow setup{store, game};
    Texts statuses;
};

TEST_F(SetupWindowTest, StartUpLeavesTwoPeopleWithoutTimeOnStarAndOriginal) {
    game.setup.Combo1 = {3, 4};
    startUp();
    EXPECT_EQ(statuses, (Texts{"Loading...", "Loading music...", "music", "Loading fields...", "Loading results...",
                               "Loading graphics...", "Loading windows..."}));
    EXPECT_EQ(game.Label6.Caption, "Player 2");
    EXPECT_EQ(game.Label8, "1");
    EXPECT_EQ(game.Label2.Caption, "Tallowen - Original");
    EXPECT_EQ(game.Label4, builtInFields()[0].field);
    // The default colours are taken to the five levels a slider can show.
    EXPECT_EQ(game.HR1.BackColor, rgb(255, 135, 15));
    EXPECT_EQ(game.HR2.BackColor, rgb(15, 135, 255));
    EXPECT_EQ(setup.panels[0].Picture7.code, 1);
    EXPECT_EQ(setup.panels[1].Picture7.code, 5);
    EXPECT_TRUE(setup.Timer2.enabled());
    EXPECT_TRUE(setup.Visible);
}

TEST_F(SetupWindowTest, StartHandsTheNamesOverWithTheirRewrites) {
    startUp();
    setup.Text3_Change(0, "tie!");
    setup.Text3_Change(1, "");
    setup.Command1_Click();
    EXPECT_EQ(game.Label5.Caption, "I'm Tie");
    EXPECT_EQ(game.Label6.Caption, "Hráč 2");
    EXPECT_EQ(setup.Text3(0).Text, "I'm Tie");  // the box keeps the name as it was handed over
    EXPECT_EQ(game.Label4, builtInFields()[0].field + "1");
    EXPECT_TRUE(game.Visible && game.Timer1.enabled());
    EXPECT_FALSE(setup.Visible || game.Picture3.Visible);
    runGameStart();
    EXPECT_EQ(game.PcLevel[1], 0);
    EXPECT_EQ(game.PcLevel[2], 0);
    game.UNG_Click();
    setup.showAgain();
    EXPECT_EQ(game.Label4, builtInFields()[0].field);
}

TEST_F(SetupWindowTest, TheComputerPlaysAtProfessionalWithoutTimeAndItsFaceShows) {
    startUp();
    setup.Combo1_Click(1, 3);
    setup.Option18_Click(1);
    EXPECT_EQ(setup.panels[1].Picture7.level, 2);
    EXPECT_FALSE(setup.panels[1].Picture7.framed);

    setup.Level_Click(1, 3);
    EXPECT_TRUE(setup.panels[1].Picture7.framed);
    // A computer's cursor is one of the computer's pictures.
    setup.Command1_Click();
    EXPECT_EQ(game.Image1, 7);
    EXPECT_EQ(game.Image2, 0);
    runGameStart();
    EXPECT_EQ(game.PcLevel[2], 3);
    EXPECT_FALSE(game.setup.Option19[1]);

    game.UNG_Click();
    setup.showAgain();
    setup.Option19_Click(1);
    EXPECT_EQ(game.Label6.Caption, "Player 2");
    EXPECT_EQ(setup.panels[1].Picture7.level, 0);
}

TEST_F(SetupWindowTest, MasterStartsAGameAgainstPcMaster) {
    startUp();
    setup.Option18_Click(1);
    setup.Level_Click(1, 4);
    EXPECT_EQ(setup.panels[1].Level, (std::array<bool, 4>{false, false, false, true}));
    EXPECT_EQ(game.Label6.Caption, "PC Master");
    EXPECT_EQ(setup.panels[1].Picture7.level, 4);
    EXPECT_TRUE(setup.panels[1].Picture7.framed);
    setup.Command1_Click();
    runGameStart();
    EXPECT_EQ(game.Label6.Caption, "PC Master");
    EXPECT_EQ(game.PcLevel[2], 4);
    EXPECT_EQ(game.PcLevel[1], 0);

    // The choice is still there when the setup window shows again.
    game.UNG_Click();
    setup.showAgain();
    EXPECT_TRUE(setup.panels[1].Level[3]);
}

TEST_F(SetupWindowTest, AKnownPersonBringsTheFigureOfTheirEarliestGame) {
    GameRecords records{store};
    records.recordGame(testing::decidedGame("Eva", "PC Genius", 40, 24));  // Eva plays "AEE1"
    startUp();
    ASSERT_EQ(setup.Text3(0).List, (Texts{"Eva"}));

    setup.Text3_Change(0, "Ev");
    EXPECT_EQ(game.HR1.BackColor, rgb(255, 135, 15));
    setup.Text3_Change(0, "Eva");
    EXPECT_EQ(game.HR1.BackColor, rgb(255, 15, 15));
    EXPECT_EQ(game.HR1.Caption, "1");
    EXPECT_EQ(game.HR1.ForeColor, rgb(255, 127, 127));
    EXPECT_EQ(setup.panels[0].Picture7.colour, rgb(255, 15, 15));

    // Player 2 picks her from the list after the box was emptied.
    setup.Option18_Click(1);
    setup.Text3_Change(1, "Eva");  // not for a computer player
    EXPECT_EQ(game.HR2.BackColor, rgb(15, 135, 255));
    setup.Option19_Click(1);
    setup.Text3_Change(1, "");
    setup.Text3_Click(1);
    EXPECT_EQ(setup.Text3(1).Text, "Player 2");
    EXPECT_EQ(setup.panels[1].Text3SelLength, 100);
    setup.Text3_Select(1, 0);
    EXPECT_EQ(setup.Text3(1).Text, "Eva");
    EXPECT_EQ(game.HR2.BackColor, rgb(255, 15, 15));
}

TEST_F(SetupWindowTest, TheLogoStripDropsThenWidensToItsFullWidth) {
    startUp();
    int ticks = 0;
    while (setup.Timer2.enabled() && ticks < 100) {
        setup.Timer2_Timer();
        ++ticks;
        if (ticks == 4) {
            EXPECT_EQ(setup.Check3.Height, 50);
            EXPECT_EQ(setup.Check3.Width, 5);
        }
    }
    EXPECT_EQ(ticks, 4 + 23 + 1);
    EXPECT_EQ(setup.Check3.Width, 320);
}

}  // namespace
}  // namespace tallowen
