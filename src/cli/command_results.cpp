#include <iostream>

#include "cli/commands.h"
#include "cli/store_option.h"
#include "engine/quoted_input.h"
#include "records/results.h"

namespace tallowen::cli {

namespace {

constexpr Option kOptions[] = {{"game"}, kStoreOption};

// The texts of the stored games that the game's lines show (field, players, winner), escaped.
void escapeGameTexts(Statistics& statistics) {
    for (const int list : {0, 1, 2, 5})
        for (std::string& text : statistics.LST[static_cast<std::size_t>(list)]) text = escapedText(text);
}

}  // namespace

// The lines the results window shows: the player section for NAME, or the game at scroll
// position K (0 for the first stored game).
int runResults(int argc, char** argv) {
    const Arguments args = parseArguments(argc, argv, kOptions);
    const bool byGame = args.option("game").has_value();
    if (byGame == (args.positional.size() == 1) || args.positional.size() > 1)
        throw UsageError{"give either a player NAME or --game K"};
    const int k = byGame ? intOption(args, "game", 0, 0, 2147483647) : 0;

    const auto store = openStore(args);
    Statistics statistics;
    PruzkHer(*store, statistics);
    printStoreMessages(*store);
    if (const int code = readExitCode(*store)) return code;

    if (byGame) {
        escapeGameTexts(statistics);
        const auto lines = HScroll1_Change(statistics, k);
        if (!lines) {
            std::cerr << "tallowen-engine results: there is no stored game " << k << " (" << statistics.LST[0].size()
                      << " stored)\n";
            return 1;
        }
        for (const std::string& line : *lines) std::cout << line << '\n';
        return 0;
    }
    const auto player = ComboB_Click(statistics, args.positional[0]);
    if (!player) {
        std::cerr << "tallowen-engine results: no player named " << quotedInput(args.positional[0])
                  << " in the stored games\n";
        return 1;
    }
    for (const std::string& line : player->List2) std::cout << line << '\n';
    return 0;
}

}  // namespace tallowen::cli
