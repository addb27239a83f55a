#include <charconv>
#include <iostream>
#include <memory>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/master_options.h"
#include "engine/field_strings.h"
#include "engine/player_names.h"
#include "engine/quoted_input.h"
#include "opponent/master/search.h"
#include "opponent/move_search.h"

namespace tallowen::cli {

namespace {

constexpr Option kOptions[] = {kRuleOption, {"level"}, {"last"}, {"nodes"}, {"time"}};

// "sx,sy,tx,ty": the last move's source and target, each on the field.
LastMove parseLastMove(const std::string& text, int side) {
    int v[4] = {};
    const char* p = text.data();
    const char* end = text.data() + text.size();
    for (int i = 0; i < 4; ++i) {
        auto [next, ec] = std::from_chars(p, end, v[i]);
        const bool separatorOk = i == 3 ? next == end : next < end && *next == ',';
        if (ec != std::errc() || !separatorOk) throw UsageError{"malformed --last " + quotedInput(text) + " (expected sx,sy,tx,ty)"};
        if (v[i] < 0 || v[i] >= side) throw UsageError{"--last " + quotedInput(text) + " names a cell off the field"};
        p = next + 1;
    }
    return LastMove{static_cast<double>(v[0]), static_cast<double>(v[1]), static_cast<double>(v[2]),
                    static_cast<double>(v[3])};
}

// "PC Master"'s choice for the first mover and what its search reached.
int evalMaster(const Arguments& args, const Board& board, const ParsedGame& parsed, MoveRule rule) {
    master::Search search;
    const master::Result r = search.run({board, parsed.side, rule, parsed.firstMover, masterLimits(args), {}});
    if (r.best)
        std::cout << "best " << r.best->sx << ' ' << r.best->sy << ' ' << r.best->tx << ' ' << r.best->ty << "\n";
    else
        std::cout << "best -\n";
    std::cout << "value " << r.value << "\ndepth " << r.depth << "\nnodes " << r.nodes << "\ntime "
              << static_cast<long>(r.ms) << "\n";
    return 0;
}

}  // namespace

int runEval(int argc, char** argv) {
    const Arguments args = parseArguments(argc, argv, kOptions);
    const MoveRule rule = ruleOption(args);
    requiredOption(args, "level");
    const int level = intOption(args, "level", 2, 0, kMasterLevel);
    const std::string gameString = gameStringArgument(args, 0);
    refuseExtraPositional(args, 1);

    Board board;
    const ParsedGame parsed = parseGameString(gameString, board);
    std::optional<LastMove> last;
    if (auto text = args.option("last")) last = parseLastMove(*text, parsed.side);
    if (level == kMasterLevel) {
        if (last) throw UsageError{"--last is for levels 0 to 3"};
        return evalMaster(args, board, parsed, rule);
    }
    if (args.option("nodes") || args.option("time")) throw UsageError{"--nodes and --time are for level 4"};
    const Directions dirs = directionsFor(rule);
    const SearchInput input{board, parsed.side, dirs, parsed.firstMover, level, last};

    const auto candidates = std::make_unique<Candidates>();
    const Candidates& table = *candidates;
    searchAll(input, *candidates);
    for (int m = 1; m <= table.count; ++m)
        std::cout << m << ' ' << table.PcMoveSX[m] << ' ' << table.PcMoveSY[m] << ' ' << table.PcMoveTX[m] << ' '
                  << table.PcMoveTY[m] << ' ' << table.PcMoveScore[m] << "\n";
    if (table.count == 0) {
        std::cout << "best -\nties -\n";
        return 0;
    }
    std::cout << "best " << table.choiceValue() << "\nties";
    for (int i = 1; i <= table.tieCount(); ++i) std::cout << ' ' << table.tie(i);
    std::cout << "\n";
    return 0;
}

}  // namespace tallowen::cli
