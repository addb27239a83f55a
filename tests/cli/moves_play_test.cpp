#include <gtest/gtest.h>

#include "run_tool.h"

namespace tallowen::test {
namespace {

// 5 x 5: player 1 at (1, 1) next to a hole at (2, 1), player 2 at (4, 4).
const std::string kField = "XXXXX" "X+0XX" "XXXXX" "XXXXX" "XXXX-";

// moves: the grow ring clockwise from the upper left, minus the hole, then the jump ring that fits
// the field; a game string may begin with "--", as one whose first row holds two of player 2's
// pieces does. play: a jump next to player 2's only piece converts it; player 2 cannot move, so every
// empty cell goes to player 1 at the turn change. Under Cross a game goes on after a move each.
TEST(EngineToolMovesAndPlay, ListTheMoversMovesInScanOrderAndReportTheFieldTheMoverAndTheEnd) {
    const std::pair<std::string, std::string> cases[] = {
        {"moves --rule star " + quoted(kField + "1"),
         "1 1 0 0 grow\n1 1 1 0 grow\n1 1 2 0 grow\n1 1 2 2 grow\n1 1 1 2 grow\n1 1 0 2 grow\n1 1 0 1 grow\n"
         "1 1 3 0 jump\n1 1 3 1 jump\n1 1 3 2 jump\n1 1 3 3 jump\n1 1 2 3 jump\n1 1 1 3 jump\n1 1 0 3 jump\n"},
        {"moves --rule cross " + quoted(kField + "2"), "4 4 4 3 grow\n4 4 3 4 grow\n4 4 3 3 jump\n4 4 4 2 jump\n4 4 2 4 jump\n"},
        {"moves --rule cross --X+1", "1 1 0 1 grow\n"},
        {"play --rule star " + quoted(kField + "1") + " 1,1:3,3",
         "field +++++++0++" + std::string(15, '+') + "\ntomove -\ncounts 24 0 0\nover yes\nwinner 1\n"},
        {"play --rule cross " + quoted(kField + "1") + " 1,1:1,2 4,4:4,3",
         "field XXXXXX+0XXX+XXXXXXX-XXXX-\ntomove 1\ncounts 2 2 20\nover no\nwinner -\n"}};
    for (const auto& [args, out] : cases) {
        const ToolRun run = runTool(args);
        EXPECT_EQ(std::make_pair(run.exitCode, run.out), std::make_pair(0, out)) << args;
    }
}

}  // namespace
}  // namespace tallowen::test
