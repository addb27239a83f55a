#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "../records/test_store.h"
#include "records/game_records.h"
#include "records/setting_paths.h"
#include "run_tool.h"
#include "setup/built_in_fields.h"
#include "setup/field_library.h"

namespace tallowen::test {
namespace {

using tallowen::testing::decidedGame;

class RecordsToolTest : public ::testing::Test {
protected:
    std::string store() const { return "--store " + quoted((dir / "s.sqlite3").string()); }
    tallowen::testing::TempDir dir;
};

TEST_F(RecordsToolTest, RecordsAndResultsShowTheStoredGames) {
    {
        SettingsStore s(dir / "s.sqlite3");
        GameRecords records(s);
        records.recordGame(decidedGame("PC Genius", "Eva", 24, 40));
        records.recordGame(decidedGame("Adam", "Eva", 30, 30));  // a tie: not stored
        records.recordGame(decidedGame("Adam", "PC Beginner", 45, 4));
        records.recordGame(decidedGame("Ida", "Eva", 40, 4));
        s.WriteSetting(recordKey(3), "Hráč2Počet", std::int32_t{-4}, kIntType);  // cannot be read: left out
    }
    const std::string lines = "Original\tPC Genius\tEva\t24\t40\t2\t60\tEva\t62.5\t42\n"
                              "Original\tAdam\tPC Beginner\t45\t4\t2\t60\tAdam\t91.8\t42\n";
    const std::string skipped = "tallowen-engine: 1 stored game could not be read and is left out of the results.\n";
    const ToolRun run = runTool("records " + store()), eva = runTool("results Eva " + store());
    EXPECT_EQ(std::make_tuple(run.exitCode, run.out, run.err), std::make_tuple(0, lines, skipped));
    EXPECT_EQ(std::make_tuple(eva.exitCode, eva.out, eva.err),
              std::make_tuple(0, "Won\t\t1 game\nLost\t\t0 games\nTotal played\t1 game\nSuccess\t\t62.5%\n", skipped));
    setenv("TALLOWEN_STORE", (dir / "s.sqlite3").c_str(), 1);  // the store when none is given
    EXPECT_EQ(runTool("records").out, lines);
    unsetenv("TALLOWEN_STORE");
    EXPECT_EQ(runTool("results --game 0 " + store()).out,
              "Field\t\tOriginal\nPlayer 1\t\tPC Genius(24)\nPlayer 2\t\tEva(40)\nMovement\tCross\n"
              "Turns\t\t60\nWinner\t\tEva(62.5%)\nGame time for plr.1\t10 minut\nGame time for plr.2\t60 minut\n");
    for (const auto& [args, code] : {std::pair{"results --game 2 ", 1}, {"results Nobody ", 1}, {"results Eva --game 1 ", 2}})
        EXPECT_EQ(runTool(args + store()).exitCode, code) << args;
}

// Texts from the store reach the output escaped: a name that is not UTF-8 or holds a tab or a line
// break cannot break a line or the terminal.
TEST_F(RecordsToolTest, StoredTextsAreEscaped) {
    {
        SettingsStore s(dir / "s.sqlite3");
        GameRecords(s).recordGame(decidedGame("Ev\xe9\tx", "A\\B\n", 40, 24));
    }
    EXPECT_EQ(runTool("records " + store()).out, "Original\tEv\\xe9\\tx\tA\\\\B\\n\t40\t24\t2\t60\tEv\\xe9\\tx\t62.5\t42\n");
    const std::string lines = runTool("results --game 0 " + store()).out;
    EXPECT_NE(lines.find("Player 1\t\tEv\\xe9\\tx(40)\nPlayer 2\t\tA\\\\B\\n(24)\n"), std::string::npos) << lines;
}

// A command that could not do what it was asked says so and ends with exit code 1: selfplay when a
// decided game was not recorded, a reading command when the store could not be read.
TEST_F(RecordsToolTest, AFailureIsNeverReportedAsSuccess) {
    { SettingsStore s(dir / "s.sqlite3"); }
    tallowen::testing::refuseWrites(dir / "s.sqlite3", "1");
    const std::string quick = "selfplay --rule star --p1 2 --p2 1 --field 'Quick atack' --record --store ";
    const ToolRun play = runTool(quick + quoted((dir / "s.sqlite3").string()));
    EXPECT_EQ(play.exitCode, 1);
    EXPECT_NE(play.err.find("Nothing was changed."), std::string::npos) << play.err;
    EXPECT_NE(play.err.find("tallowen-engine selfplay: 1 of 1 decided games were not recorded\n"), std::string::npos)
        << play.err;

    std::filesystem::create_directory(dir / "folder");
    for (const std::string& command : {std::string("records --store "), std::string("results --game 0 --store "),
                                       std::string("fields --store "), quick}) {
        const ToolRun run = runTool(command + quoted((dir / "folder").string()));
        EXPECT_EQ(run.exitCode, 1) << command;
        EXPECT_NE(run.err.find("cannot be opened"), std::string::npos) << command << run.err;
    }
}

TEST_F(RecordsToolTest, SelfplayRecordStoresEveryDecidedGameAsTheGameWould) {
    const std::string quickAtack = "-XXXXXXXXXXXXXXX0---0X0+0-0X0+++0XXXXXXXXXXXXXXX+1";
    const ToolRun play = runTool("selfplay --rule cross --p1 1 --p2 2 --games 4 --seed 7 --game " + quoted(quickAtack) +
                                 " --record " + store());
    ASSERT_EQ(play.exitCode, 0);
    // "game I winner W counts C1 C2 turns T" per game; ties are not stored.
    std::istringstream lines(play.out);
    std::string expected, word, winner;
    int c1 = 0, c2 = 0, turns = 0;
    for (std::string line; std::getline(lines, line);) {
        std::istringstream in(line);
        if (!(in >> word >> word >> word >> winner >> word >> c1 >> c2 >> word >> turns) || winner == "tie") continue;
        const int tenths = 1000 * (winner == "1" ? c1 : c2) / (c1 + c2);
        expected += "Quick atack\tPC Beginner\tPC Professional\t" + std::to_string(c1) + "\t" + std::to_string(c2) + "\t2\t" +
                    std::to_string(turns) + "\t" + (winner == "1" ? "PC Beginner" : "PC Professional") + "\t" +
                    std::to_string(tenths / 10) + (tenths % 10 ? "." + std::to_string(tenths % 10) : "") + "\t0\n";
    }
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(runTool("records " + store()).out, expected);
}

TEST_F(RecordsToolTest, FieldsListsTheLibrary) {
    {
        SettingsStore s(dir / "s.sqlite3");
        s.CreateSettingKey(fieldKey("07"));
        s.WriteSetting(fieldKey("07"), "", std::string("Mine"), kTextType);
        s.WriteSetting(fieldKey("07"), "Mapa", std::string("+" + std::string(34, 'X') + "-"), kTextType);
    }
    const ToolRun run = runTool("fields " + store());
    EXPECT_EQ(run.exitCode, 0);
    std::string expected;
    for (const BuiltInField& field : builtInFields()) expected += "N\t" + field.name + "\t" + field.field + "\n";
    EXPECT_EQ(run.out, expected + "07\tMine\t+" + std::string(34, 'X') + "-\n");
}

}  // namespace
}  // namespace tallowen::test
