#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <utility>

#include "run_tool.h"

namespace tallowen::test {
namespace {

const std::string kOriginal = quoted("+XXXXXXXXX-" + std::string(99, 'X') + "-XXXXXXXXX+1");
// 5 x 5: player 1 at (1, 1) next to a hole at (2, 1), player 2 at (4, 4).
const std::string kSmall = quoted("XXXXXX+0XXXXXXXXXXXXXXXX-1");

// Bad input is answered by one line of ours on stderr, nothing on stdout, and exit code 2; a failed
// write by exit code 1. Where the line is given it is compared whole: the input it repeats is
// quoted, escaped and cut. One case for each way of refusing.
TEST(EngineToolCommandLine, BadInputIsOneLineAndExitCodeTwo) {
    const std::string nine = quoted("XXXXXXXXX1");
    const std::string star = "--rule star ";
    const std::pair<std::string, std::string> cases[] = {
        {"moves --rule star --bogus x " + kOriginal, "tallowen-engine moves: unknown option '--bogus' (options: --rule)"},
        {"bench --level 3", "tallowen-engine bench: unknown option '--level' (the command takes no options)"},
        {"selfplay --rule star --p1 1 --p2 1 --store s", "tallowen-engine selfplay: option --store is used only with --record"},
        {"records --store ''", "tallowen-engine records: option --store is given an empty value"},
        {"selfplay --rule star --p1 1 --p2 1 --games --seed 4", "tallowen-engine selfplay: option --games needs a value"},
        {"moves " + quoted("XX+-1") + " --rule", "tallowen-engine moves: option --rule needs a value"},
        {"moves --rule star --rule cross " + kOriginal, "tallowen-engine moves: option --rule is given twice"},
        {"fields extra", "tallowen-engine fields: unexpected argument 'extra'"},
        {"moves --rule \"$(printf 'st\\nar\\033\\377')Hráč's\" " + kOriginal,
         "tallowen-engine moves: unknown rule 'st\\nar\\x1b\\xffHráč\\'s' (expected star or cross)"},
        {"moves --rule " + std::string(100000, 'A') + " " + kOriginal,
         "tallowen-engine moves: unknown rule '" + std::string(60, 'A') + "'... (100000 bytes) (expected star or cross)"},
        {"render " + star + kOriginal + " ''", "tallowen-engine render: OUT.png is empty"},
        {"frob\"\n\"nicate", "tallowen-engine: unknown command 'frob\\nnicate' (commands: moves play bench render records results fields eval selfplay host)"},
        {"eval --rule star --level 4 --nodes 0 " + nine,
         "tallowen-engine eval: --nodes must be a whole number from 1 to 2^64 - 1, not '0'"},
        {"eval --rule star --level 3 --time 50 " + nine, "tallowen-engine eval: --nodes and --time are for level 4"},
        {"eval --rule star --level 4 --last 0,0,0,1 " + nine, "tallowen-engine eval: --last is for levels 0 to 3"},
        {"selfplay --rule star --p1 2 --p2 3 --nodes 9", "tallowen-engine selfplay: --nodes and --time are for level 4"},
        {"moves " + kSmall, ""},  // no rule
        {"moves " + star + "''", ""},
        {"play " + star + kSmall + " 1,1:4,4", ""},          // too far
        {"play " + star + kSmall + " 4,4:4,3", ""},          // not the mover's piece
        {"play " + star + kSmall + " 1,1-2,2", ""},          // malformed
        {"play " + star + kSmall + " 1,1:3,3 4,4:4,3", ""},  // game over
        {"eval --rule star --level 5 " + nine, ""},
        {"eval --rule star --level 3 --last 0,3,0 " + nine, ""},
        {"eval --rule star --level 3 --last 0,0,0,3 " + nine, ""},  // off the field
        {"selfplay --rule star --p1 2 --p2 2 --field Nowhere", ""},
        {"selfplay --rule star --p1 2 --p2 2 --game " + quoted("XXXX0XXXX1"), ""},
        {"host --level 4 --code 12a456", "tallowen-engine host: --code must be six digits, not '12a456'"},
        {"host --level 1 --port 65536", ""},
        {"host --rule star", ""},  // no level
        {"host --level 1 --game " + quoted("XXXX0XXXX1"), ""},
    };
    for (const auto& [args, line] : cases) {
        const ToolRun run = runTool(args);
        const std::string shown = args.substr(0, 80);
        EXPECT_EQ(std::make_pair(run.exitCode, run.out), std::make_pair(2, std::string())) << shown;
        if (line.empty())
            EXPECT_TRUE(std::count(run.err.begin(), run.err.end(), '\n') == 1 && run.err.rfind("tallowen-engine", 0) == 0)
                << shown << "\n" << run.err;
        else
            EXPECT_EQ(run.err, line + "\n") << shown;
    }
    const ToolRun write = runTool("render " + star + kSmall + " /nonexistent-folder/board.png");
    EXPECT_EQ(write.exitCode, 1);
    EXPECT_EQ(write.err, "tallowen-engine render: cannot write '/nonexistent-folder/board.png' (No such file or directory)\n");
}

// Asked for help the tool prints its usage, which names every command it knows, on stdout and
// succeeds; asked its version, it says it.
TEST(EngineToolCommandLine, HelpAndVersionAnswerOnStdoutAndSucceed) {
    const std::string unknown = runTool("frob").err;
    const std::string known = unknown.substr(unknown.find("(commands:") + 10);
    for (const char* ask : {"--help", "-h", "help"}) {
        const ToolRun run = runTool(ask);
        EXPECT_EQ(std::make_pair(run.exitCode, run.err), std::make_pair(0, std::string())) << ask;
        EXPECT_EQ(run.out.rfind("usage: tallowen-engine COMMAND", 0), 0u) << ask;
        std::istringstream commands(known.substr(0, known.find(')')));
        for (std::string command; commands >> command;)
            EXPECT_TRUE(run.out.find("\n  " + command + " ") != std::string::npos ||
                        run.out.find("\n  " + command + "\n") != std::string::npos)
                << ask << " lists " << command;
    }
    const ToolRun version = runTool("--version");
    EXPECT_EQ(std::make_pair(version.exitCode, version.out),
              std::make_pair(0, std::string("tallowen-engine " TALLOWEN_VERSION "\n")));
}

}  // namespace
}  // namespace tallowen::test
