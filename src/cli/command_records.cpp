#include <iostream>

#include "cli/commands.h"
#include "cli/store_option.h"
#include "records/stored_games.h"

namespace tallowen::cli {

namespace {

constexpr Option kOptions[] = {kStoreOption};

}  // namespace

// The stored games as the statistics read them, one a line, fields separated by tabs.
int runRecords(int argc, char** argv) {
    const Arguments args = parseArguments(argc, argv, kOptions);
    refuseExtraPositional(args, 0);
    const auto store = openStore(args);
    const StoredGames stored = readStoredGames(*store);
    if (stored.skipped > 0) store->queueMessage(skippedGamesText(stored.skipped));
    for (const StoredGame& game : stored.games) {
        std::cout << game.fieldName << '\t' << game.player1 << '\t' << game.player2 << '\t' << game.count1 << '\t'
                  << game.count2 << '\t' << game.movement << '\t' << game.turns << '\t' << game.winner << '\t'
                  << game.share << '\t' << game.times << '\n';
    }
    printStoreMessages(*store);
    return 0;
}

}  // namespace tallowen::cli
