#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>

#include "run_tool.h"

namespace tallowen::test {
namespace {

const std::string kOriginal = quoted("+XXXXXXXXX-" + std::string(99, 'X') + "-XXXXXXXXX+1");
// 5 x 5: player 1 at (1, 1) next to a hole at (2, 1), player 2 at (4, 4).
const std::string kSmall = quoted("XXXXXX+0XXXXXXXXXXXXXXXX-1");

// Bad input is answered by one line of ours on stderr, nothing on stdout, and exit code 2. Where the
// line is given it is compared whole: the input it repeats is quoted, escaped and cut.
TEST(EngineToolCommandLine, BadInputIsOneLineAndExitCodeTwo) {
    const std::string nine = quoted("XXXXXXXXX1");
    const std::pair<std::string, std::string> cases[] = {
        {"moves --rule star --bogus x " + kOriginal, "tallowen-engine moves: unknown option '--bogus' (options: --rule)"},
        {"selfplay --rule star --p1 1 --p2 1 --recrod --store s",
         "tallowen-engine selfplay: unknown option '--recrod' (options: --rule --p1 --p2 --field --game --games --seed --time --nodes --record --store)"},
        {"selfplay --rule star --p1 1 --p2 1 --store s", "tallowen-engine selfplay: option --store is used only with --record"},
        {"records --store ''", "tallowen-engine records: option --store is given an empty value"},
        {"selfplay --rule star --p1 1 --p2 1 --games --seed 4", "tallowen-engine selfplay: option --games needs a value"},
        {"moves --rule star --rule cross " + kOriginal, "tallowen-engine moves: option --rule is given twice"},
        {"bench --level 3", "tallowen-engine bench: unknown option '--level' (the command takes no options)"},
        {"fields extra", "tallowen-engine fields: unexpected argument 'extra'"},
        {"moves --rule \"$(printf 'st\\nar\\033\\377')\" " + kOriginal,
         "tallowen-engine moves: unknown rule 'st\\nar\\x1b\\xff' (expected star or cross)"},
        {"moves --rule \"Hráč's\" " + kOriginal, "tallowen-engine moves: unknown rule 'Hráč\\'s' (expected star or cross)"},
        {"moves --rule " + std::string(100000, 'A') + " " + kOriginal,
         "tallowen-engine moves: unknown rule '" + std::string(60, 'A') + "'... (100000 bytes) (expected star or cross)"},
        {"render --rule star " + kOriginal + " ''", "tallowen-engine render: OUT.png is empty"},
        {"frob\"\n\"nicate", "tallowen-engine: unknown command 'frob\\nnicate' (commands: moves play bench render records results fields eval selfplay)"},
        {"moves --rule hex " + kSmall, ""},
        {"moves " + kSmall, ""},                                      // no rule
        {"moves --rule star ''", ""},
        {"play --rule star " + kSmall + " 1,1:4,4", ""},              // too far
        {"play --rule star " + kSmall + " 4,4:4,3", ""},              // not the mover's piece
        {"play --rule star " + kSmall + " 1,1:2,1", ""},              // into a hole
        {"play --rule star " + kSmall + " 1,1-2,2", ""},              // malformed
        {"play --rule star " + kSmall + " 1,1:3,3 4,4:4,3", ""},      // game over
        {"eval --rule star --level 5 " + nine, ""},
        {"eval --rule star --level 4 --nodes 0 " + nine,
         "tallowen-engine eval: --nodes must be a whole number from 1 to 2^64 - 1, not '0'"},
        {"eval --rule star --level 3 --time 50 " + nine, "tallowen-engine eval: --nodes and --time are for level 4"},
        {"eval --rule star --level 4 --last 0,0,0,1 " + nine, "tallowen-engine eval: --last is for levels 0 to 3"},
        {"selfplay --rule star --p1 2 --p2 3 --nodes 9", "tallowen-engine selfplay: --nodes and --time are for level 4"},
        {"eval --rule star --level 3 --last 0,3,0 " + nine, ""},
        {"eval --rule star --level 3 --last 0,0,0,3 " + nine, ""},  // off the field
        {"selfplay --rule star --p1 2 --p2 2 --field Nowhere", ""},
        {"selfplay --rule star --p1 0 --p2 2 --game " + kOriginal, ""},
        {"selfplay --rule star --p1 2 --p2 2 --game " + quoted("XXXX0XXXX1"), ""},
    };
    for (const auto& [args, line] : cases) {
        const ToolRun run = runTool(args);
        const std::string shown = args.substr(0, 80);
        EXPECT_EQ(run.exitCode, 2) << shown;
        EXPECT_EQ(run.out, "") << shown;
        if (line.empty()) {
            EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << shown << "\n" << run.err;
            EXPECT_EQ(run.err.rfind("tallowen-engine", 0), 0u) << shown;
        } else {
            EXPECT_EQ(run.err, line + "\n") << shown;
        }
    }
}

TEST(EngineToolCommandLine, AFailedWriteIsOneLineAndExitCodeOne) {
    const ToolRun run = runTool("render --rule star " + kSmall + " /nonexistent-folder/board.png");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "tallowen-engine render: cannot write '/nonexistent-folder/board.png' (No such file or directory)\n");
}

}  // namespace
}  // namespace tallowen::test
