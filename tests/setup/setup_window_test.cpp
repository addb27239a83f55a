#include "setup/setup_window.h"

#include <gtest/gtest.h>

#include "../records/test_store.h"
#include "engine/headless_game.h"
#include "records/game_records.h"
#include "setup/start_up.h"

namespace tallowen {
namespace {

using Texts = std::vector<std::string>;

// The figure a name brings goes to that player alone, and only while a person plays it; an emptied
// box offers the player's own name selected whole, and the list brings a known name back.
TEST(SetupWindowTest, StartUpLoadsMusicFirstAndAKnownPersonBringsTheFigureOfTheirEarliestGame) {
    testing::TempDir dir;
    SettingsStore store{dir / "s.sqlite3"};
    GameRecords(store).recordGame(testing::decidedGame("Eva", "PC Genius", 40, 24));  // Eva plays "AEE1"
    HeadlessGame headless;
    GameWindow& game = headless.game();
    SetupWindow setup{store, game};
    Texts statuses;
    for (const StartUpStep& step : startUpSteps(setup, {[&] { statuses.push_back("music"); }, {}, {}})) {
        statuses.push_back(step.status);
        step.run();
    }
    EXPECT_EQ(statuses, (Texts{"Loading...", "Loading music...", "music", "Loading fields...", "Loading results...",
                               "Loading graphics...", "Loading windows..."}));
    ASSERT_EQ(setup.Text3(0).List, (Texts{"Eva"}));

    setup.Text3_Change(0, "Ev");
    EXPECT_EQ(game.HR1.BackColor, rgb(255, 135, 15));
    setup.Text3_Change(0, "Eva");
    EXPECT_EQ(game.HR1.BackColor, rgb(255, 15, 15));
    EXPECT_EQ(game.HR1.Caption, "1");
    EXPECT_EQ(game.HR1.ForeColor, rgb(255, 127, 127));
    EXPECT_EQ(setup.panels[0].Picture7.colour, rgb(255, 15, 15));

    setup.Option18_Click(1);
    setup.Text3_Change(1, "Eva");
    EXPECT_EQ(game.HR2.BackColor, rgb(15, 135, 255));
    setup.Option19_Click(1);
    setup.Text3_Change(1, "");
    setup.Text3_Click(1);
    EXPECT_EQ(setup.Text3(1).Text, "Player 2");
    EXPECT_EQ(setup.panels[1].Text3SelLength, 100);
    setup.Text3_Select(1, 0);
    EXPECT_EQ(setup.Text3(1).Text, "Eva");
    EXPECT_EQ(game.HR2.BackColor, rgb(255, 15, 15));
    EXPECT_EQ(game.HR2.ForeColor, rgb(255, 127, 127));
}

}  // namespace
}  // namespace tallowen
