#include <iostream>

#include "cli/commands.h"
#include "cli/store_option.h"
#include "engine/quoted_input.h"
#include "records/stored_games.h"

namespace tallowen::cli {

namespace {

constexpr Option kOptions[] = {kStoreOption};

}  // namespace

// The stored games as the statistics read them, one a line, fields separated by tabs; texts escaped, so
// that neither a tab in a name nor bytes that are not UTF-8 reach the output.
int runRecords(int argc, char** argv) {
    const Arguments args = parseArguments(argc, argv, kOptions);
    refuseExtraPositional(args, 0);
    const auto store = openStore(args);
    const StoredGames stored = readStoredGames(*store);
    if (stored.skipped > 0) store->queueMessage(skippedGamesText(stored.skipped));
    for (const StoredGame& game : stored.games) {
        std::cout << escapedText(game.fieldName) << '\t' << escapedText(game.player1) << '\t'
                  << escapedText(game.player2) << '\t' << game.count1 << '\t' << game.count2 << '\t' << game.movement
                  << '\t' << game.turns << '\t' << escapedText(game.winner) << '\t' << game.share << '\t' << game.times
                  << '\n';
    }
    printStoreMessages(*store);
    return readExitCode(*store);
}

}  // namespace tallowen::cli
