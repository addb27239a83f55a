#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "../records/temp_dir.h"
#include "records/game_records.h"
#include "run_tool.h"
#include "setup/field_library.h"

namespace tallowen::test {
namespace {

using tallowen::testing::TempDir;

FinishedGame game(const std::string& p1, const std::string& p2, int c1, int c2, int times) {
    FinishedGame g;
    g.fieldName = "Quick atack";
    g.turns = 33;
    g.player1 = p1;
    g.player2 = p2;
    g.movement = 2;
    g.times = times;
    g.count1 = c1;
    g.count2 = c2;
    g.figure1 = "AEE1";
    g.figure2 = "EEA5";
    g.winner = c1 > c2 ? 1 : c2 > c1 ? 2 : 0;
    return g;
}

class RecordsToolTest : public ::testing::Test {
protected:
    std::string store() const { return "--store " + quoted((dir / "s.sqlite3").string()); }
    TempDir dir;
};

TEST_F(RecordsToolTest, RecordsListsTheStoredGamesInNumberOrder) {
    {
        SettingsStore s(dir / "s.sqlite3");
        GameRecords records(s);
        records.recordGame(game("PC Genius", "Eva", 24, 40, 42));
        records.recordGame(game("Adam", "Eva", 30, 30, 0));  // a tie: not stored
        records.recordGame(game("Adam", "PC Beginner", 45, 4, 10));
    }
    const ToolRun run = runTool("records " + store());
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out,
              "Quick atack\tPC Genius\tEva\t24\t40\t2\t33\tEva\t62.5\t42\n"
              "Quick atack\tAdam\tPC Beginner\t45\t4\t2\t33\tAdam\t91.8\t10\n");

    const ToolRun eva = runTool("results Eva " + store());
    ASSERT_EQ(eva.exitCode, 0);
    EXPECT_EQ(eva.out, "Won\t\t1 game\nLost\t\t0 games\nTotal played\t1 game\nSuccess\t\t62.5%\n");

    const ToolRun first = runTool("results --game 0 " + store());
    ASSERT_EQ(first.exitCode, 0);
    EXPECT_EQ(first.out,
              "Field\t\tQuick atack\nPlayer 1\t\tPC Genius(24)\nPlayer 2\t\tEva(40)\nMovement\tCross\n"
              "Turns\t\t33\nWinner\t\tEva(62.5%)\nGame time for plr.1\t10 minut\nGame time for plr.2\t60 minut\n");
    EXPECT_EQ(runTool("results --game 2 " + store()).exitCode, 1);
    EXPECT_EQ(runTool("results Nobody " + store()).exitCode, 1);
    EXPECT_EQ(runTool("results " + store()).exitCode, 2);
    EXPECT_EQ(runTool("results Eva --game 1 " + store()).exitCode, 2);
}

TEST_F(RecordsToolTest, TheStoreComesFromTheEnvironmentWhenNotGiven) {
    {
        SettingsStore s(dir / "env.sqlite3");
        GameRecords(s).recordGame(game("Ida", "Jan", 10, 39, 0));
    }
    setenv("TALLOWEN_STORE", (dir / "env.sqlite3").c_str(), 1);
    const ToolRun run = runTool("records");
    unsetenv("TALLOWEN_STORE");
    EXPECT_EQ(run.out, "Quick atack\tIda\tJan\t10\t39\t2\t33\tJan\t79.5\t0\n");
}

TEST_F(RecordsToolTest, FieldsListsTheLibrary) {
    {
        SettingsStore s(dir / "s.sqlite3");
        s.CreateSettingKey(fieldKey("07"));
        s.WriteSetting(fieldKey("07"), "", std::string("Mine"), kTextType);
        s.WriteSetting(fieldKey("07"), "Mapa", std::string("+" + std::string(34, 'X') + "-"), kTextType);
    }
    const ToolRun run = runTool("fields " + store());
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out,
              "N\tOriginal\t+XXXXXXXXX-" + std::string(99, 'X') + "-XXXXXXXXX+\n"
              "N\tDraughts\t+X+X+X+XX+X+X+X++X+X+X+XXXXXXXXXXXXXXXXXX-X-X-X--X-X-X-XX-X-X-X-\n"
              "N\tQuick atack\t-XXXXXXXXXXXXXXX0---0X0+0-0X0+++0XXXXXXXXXXXXXXX+\n"
              "N\tBig battle\tXX+X+XXXXX-X-XXX+X+XXXXXXX-X-X+X+XXXXXXXXX-X-X+X0XXXXXXX0X-X+X+XXXXXXXXX-X-X+X+XXXXXXX-X-X"
              "XX+X+XXXXX-X-XXX0X+X+XXX-X-X0XXX+X+XXXXX-X-XXX+X+XXXXXXX-X-X+X+XXXXXXXXX-X-X+X0XXXXXXX0X-X"
              "+X+XXXXXXXXX-X-X+X+XXXXXXX-X-XXX+X+XXXXX-X-XX\n"
              "07\tMine\t+" + std::string(34, 'X') + "-\n");
}

TEST_F(RecordsToolTest, ADamagedStoreIsSetAsideAndTheToolCarriesOn) {
    std::ofstream(dir / "s.sqlite3") << std::string(2048, '?');
    const ToolRun run = runTool("records " + store());
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "");
    int aside = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        aside += entry.path().filename().string().find("s.sqlite3.damaged-") == 0;
    EXPECT_EQ(aside, 1);
}

}  // namespace
}  // namespace tallowen::test
