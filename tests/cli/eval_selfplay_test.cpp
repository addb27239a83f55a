#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include "run_tool.h"

namespace tallowen::test {
namespace {

TEST(EngineToolEval, ListsCandidatesInScanOrderWithTheTiesAndHandsOverTheLastMove) {
    // Player 2 alone: each grow is worth 1, each jump 0.
    EXPECT_EQ(runTool("eval --rule cross --level 2 " + quoted("X-X-XXXXX2")).out,
              "1 0 1 0 0 1\n2 0 1 1 1 1\n3 0 1 0 2 1\n4 0 1 1 2 0\n5 0 1 2 1 0\n"
              "6 1 0 2 0 1\n7 1 0 1 1 1\n8 1 0 0 0 1\n9 1 0 2 1 0\n10 1 0 1 2 0\n"
              "best 1\nties 1 2 3 6 7 8\n");
    EXPECT_EQ(runTool("eval --rule star --level 1 " + quoted("+00X000X000XXXX-1")).out, "best -\nties -\n");
    // Player 2's piece at (6, 0) is outside every window once a last move is given.
    const std::string field = quoted("XXXXXX-" + std::string(35, 'X') + "+XXXXXX1");
    EXPECT_NE(runTool("eval --rule star --level 3 " + field).out.find(" 0 6 0 5 0\n"), std::string::npos);
    EXPECT_NE(runTool("eval --rule star --level 3 --last 0,3,0,2 " + field).out.find(" 0 6 0 5 1\n"), std::string::npos);
}

TEST(EngineToolEval, MasterAnswersWithItsMoveValueDepthAndNodes) {
    // Player 1 takes (1, 0) next to both of player 2's pieces and, with the last empty cell, wins
    // 7 to 0: a known end stops the search after one move.
    const std::string out = runTool("eval --rule star --level 4 --nodes 5000 " + quoted("+X-" "+0-" "+0X" "1")).out;
    EXPECT_TRUE(std::regex_match(out, std::regex(R"(best 0 \d 1 0\nvalue 1007\ndepth 1\nnodes \d+\ntime \d+\n)"))) << out;
}

// The same seed plays the same games; each game line's counts fill the field and name its winner,
// and the totals add the lines up.
TEST(EngineToolSelfplay, TheSameSeedPlaysTheSameGames) {
    const std::string args = "selfplay --rule star --p1 2 --p2 1 --games 4 --game " +
                             quoted("+XXXXXXXXX-" + std::string(99, 'X') + "-XXXXXXXXX+1");
    const ToolRun a = runTool(args + " --seed 11");
    ASSERT_EQ(a.exitCode, 0);
    EXPECT_EQ(a.out, runTool(args + " --seed 11").out);
    EXPECT_NE(a.out, runTool(args + " --seed 12").out);
    std::istringstream lines(a.out);
    std::string line;
    int wins[3] = {};
    for (int i = 1; i <= 4 && std::getline(lines, line); ++i) {
        std::smatch m;
        ASSERT_TRUE(std::regex_match(line, m, std::regex(R"(game (\d) winner (1|2|tie) counts (\d+) (\d+) turns [1-9]\d*)")));
        const int p1 = std::stoi(m[3]), p2 = std::stoi(m[4]), winner = p1 > p2 ? 1 : p2 > p1 ? 2 : 0;
        EXPECT_EQ(std::make_tuple(std::stoi(m[1]), p1 + p2, m[2].str()), std::make_tuple(i, 121, winner ? std::to_string(winner) : "tie"));
        ++wins[winner];
    }
    std::getline(lines, line);
    EXPECT_EQ(line, "total p1 " + std::to_string(wins[1]) + " p2 " + std::to_string(wins[2]) + " tie " + std::to_string(wins[0]));
}

}  // namespace
}  // namespace tallowen::test
