#include <gtest/gtest.h>

#include <sstream>

#include "run_tool.h"

namespace tallowen::test {
namespace {

// The line of candidate (sx, sy) -> (tx, ty) in eval's output, without its number.
std::string candidateLine(const std::string& out, const std::string& move) {
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
        const auto space = line.find(' ');
        if (line.compare(space + 1, move.size() + 1, move + " ") == 0) return line.substr(space + 1);
    }
    return "";
}

TEST(EngineToolEval, ListsCandidatesInScanOrderWithTheTies) {
    const ToolRun run = runTool("eval --rule cross --level 2 " + quoted("X-X-XXXXX2"));
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out,
              "1 0 1 0 0 1\n2 0 1 1 1 1\n3 0 1 0 2 1\n4 0 1 1 2 0\n5 0 1 2 1 0\n"
              "6 1 0 2 0 1\n7 1 0 1 1 1\n8 1 0 0 0 1\n9 1 0 2 1 0\n10 1 0 1 2 0\n"
              "best 1\nties 1 2 3 6 7 8\n");
}

TEST(EngineToolEval, TheLastMoveLimitsTheLookAhead) {
    // Player 2's piece at (6, 0) is outside every window once a last move is given.
    const std::string field = "XXXXXX-" + std::string(35, 'X') + "+XXXXXX" + "1";
    const ToolRun whole = runTool("eval --rule star --level 3 " + quoted(field));
    const ToolRun windows = runTool("eval --rule star --level 3 --last 0,3,0,2 " + quoted(field));
    EXPECT_EQ(candidateLine(whole.out, "0 6 0 5"), "0 6 0 5 0");
    EXPECT_EQ(candidateLine(windows.out, "0 6 0 5"), "0 6 0 5 1");
}

TEST(EngineToolEval, RefusesBadInput) {
    EXPECT_EQ(runTool("eval --rule star " + quoted("XXXXXXXXX1")).exitCode, 2);
    EXPECT_EQ(runTool("eval --rule star --level 4 " + quoted("XXXXXXXXX1")).exitCode, 2);
    EXPECT_EQ(runTool("eval --rule star --level 3 --last 0,3,0 " + quoted("XXXXXXXXX1")).exitCode, 2);
    EXPECT_EQ(runTool("eval --rule star --level 3 --last 0,3,0,7 " + quoted("XXXXXXXXX1")).exitCode, 2);
}

TEST(EngineToolEval, ASideWithoutMovesHasNoBestMove) {
    const ToolRun run = runTool("eval --rule star --level 1 " + quoted("+00X000X000XXXX-1"));
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "best -\nties -\n");
}

const std::string kOriginal = "+XXXXXXXXX-" + std::string(99, 'X') + "-XXXXXXXXX+" + "1";

TEST(EngineToolSelfplay, TheSameSeedPlaysTheSameGames) {
    const std::string args = "selfplay --rule star --p1 2 --p2 1 --games 4 --game " + quoted(kOriginal);
    const ToolRun a = runTool(args + " --seed 11");
    const ToolRun b = runTool(args + " --seed 11");
    const ToolRun c = runTool(args + " --seed 12");
    ASSERT_EQ(a.exitCode, 0);
    EXPECT_EQ(a.out, b.out);
    EXPECT_NE(a.out, c.out);

    // Four game lines whose counts fill the field, then totals that add up.
    std::istringstream lines(a.out);
    int wins[3] = {};
    for (int i = 1; i <= 4; ++i) {
        std::string word, winner;
        int index = 0, p1 = 0, p2 = 0, turns = 0;
        lines >> word >> index;
        EXPECT_EQ(word, "game");
        EXPECT_EQ(index, i);
        lines >> word >> winner >> word >> p1 >> p2 >> word >> turns;
        EXPECT_EQ(p1 + p2, 121);
        EXPECT_EQ(winner, p1 > p2 ? "1" : p2 > p1 ? "2" : "tie");
        EXPECT_GT(turns, 0);
        ++wins[winner == "1" ? 1 : winner == "2" ? 2 : 0];
    }
    std::string rest;
    std::getline(lines >> std::ws, rest);
    EXPECT_EQ(rest, "total p1 " + std::to_string(wins[1]) + " p2 " + std::to_string(wins[2]) + " tie " +
                        std::to_string(wins[0]));
}

TEST(EngineToolSelfplay, PlaysABuiltInFieldByName) {
    const ToolRun run = runTool("selfplay --rule cross --p1 3 --p2 3 --games 2 --field 'Quick atack'");
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_NE(run.out.find("game 1 winner "), std::string::npos);
    EXPECT_NE(run.out.find("game 2 winner "), std::string::npos);
    EXPECT_EQ(run.out.find("game 3 "), std::string::npos);
    const ToolRun byString = runTool("selfplay --rule cross --p1 3 --p2 3 --games 2 --game " +
                                     quoted("-XXXXXXXXXXXXXXX0---0X0+0-0X0+++0XXXXXXXXXXXXXXX+1"));
    EXPECT_EQ(run.out, byString.out);
}

TEST(EngineToolSelfplay, RefusesBadInput) {
    EXPECT_EQ(runTool("selfplay --rule star --p1 2 --p2 2 --field Nowhere").exitCode, 2);
    EXPECT_EQ(runTool("selfplay --rule star --p1 2 --p2 2 --field Original --game " + quoted(kOriginal)).exitCode, 2);
    EXPECT_EQ(runTool("selfplay --rule star --p1 2 --game " + quoted(kOriginal)).exitCode, 2);
    EXPECT_EQ(runTool("selfplay --rule star --p1 0 --p2 2 --game " + quoted(kOriginal)).exitCode, 2);
    EXPECT_EQ(runTool("selfplay --rule star --p1 2 --p2 2 --game " + quoted("XXXX0XXXX1")).exitCode, 2);
    EXPECT_EQ(runTool("selfplay --rule star --p1 2 --p2 2 --seed x --game " + quoted(kOriginal)).exitCode, 2);
}

}  // namespace
}  // namespace tallowen::test
