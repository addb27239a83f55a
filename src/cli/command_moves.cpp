#include <iostream>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "engine/headless_game.h"
#include "cli/legal_moves.h"

namespace tallowen::cli {

namespace {

constexpr Option kOptions[] = {kRuleOption};

}  // namespace

int runMoves(int argc, char** argv) {
    const Arguments args = parseArguments(argc, argv, kOptions);
    const MoveRule rule = ruleOption(args);
    const std::string game = gameStringArgument(args, 0);
    refuseExtraPositional(args, 1);

    HeadlessGame headless;
    headless.start(rule, game);
    for (const Move& m : legalMovesByClicks(headless.game()))
        std::cout << m.sx << ' ' << m.sy << ' ' << m.tx << ' ' << m.ty << (m.grow ? " grow\n" : " jump\n");
    return 0;
}

}  // namespace tallowen::cli
