#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

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

TEST_F(RecordsToolTest, SelfplayRecordStoresEveryDecidedGameAsTheGameWould) {
    const std::string quickAtack = "-XXXXXXXXXXXXXXX0---0X0+0-0X0+++0XXXXXXXXXXXXXXX+1";
    const ToolRun play = runTool("selfplay --rule cross --p1 1 --p2 2 --games 4 --seed 7 --game " + quoted(quickAtack) +
                                 " --record " + store());
    ASSERT_EQ(play.exitCode, 0);
    // "game I winner W counts C1 C2 turns T" per game; ties are not stored.
    std::istringstream lines(play.out);
    std::string expected, word;
    int decided = 0;
    for (std::string line; std::getline(lines, line);) {
        std::istringstream in(line);
        std::string winner;
        int index = 0, c1 = 0, c2 = 0, turns = 0;
        if (!(in >> word >> index >> word >> winner >> word >> c1 >> c2 >> word >> turns) || winner == "tie") continue;
        const std::string winnerName = winner == "1" ? "PC Beginner" : "PC Professional";
        const int winnerCount = winner == "1" ? c1 : c2;
        const int tenths = 1000 * winnerCount / (c1 + c2);
        std::string share = std::to_string(tenths / 10) + (tenths % 10 ? "." + std::to_string(tenths % 10) : "");
        expected += "Quick atack\tPC Beginner\tPC Professional\t" + std::to_string(c1) + "\t" + std::to_string(c2) +
                    "\t2\t" + std::to_string(turns) + "\t" + winnerName + "\t" + share + "\t0\n";
        ++decided;
    }
    ASSERT_GT(decided, 0);
    EXPECT_EQ(runTool("records " + store()).out, expected);
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
