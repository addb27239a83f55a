#include "setup/setup_window.h"

#include <gtest/gtest.h>

#include "../records/test_store.h"
#include "engine/headless_game.h"
#include "records/game_records.h"
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

    testing::TempDir dir;
    SettingsStore store{dir / "s.sqlite3"};
    HeadlessGame headless;
    GameWindow& game = headless.game();
    SetupWindow setup{store, game};
    Texts statuses;
};

TEST_F(SetupWindowTest, StartUpLoadsMusicFirstAndTheLogoStripDropsThenWidens) {
    startUp();
    EXPECT_EQ(statuses, (Texts{"Loading...", "Loading music...", "music", "Loading fields...", "Loading results...",
                               "Loading graphics...", "Loading windows..."}));
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

}  // namespace
}  // namespace tallowen
