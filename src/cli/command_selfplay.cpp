#include <charconv>
#include <iostream>

#include "cli/arguments.h"
#include "cli/built_in_game.h"
#include "cli/commands.h"
#include "cli/computer_game.h"
#include "cli/master_options.h"
#include "cli/selfplay_record.h"
#include "engine/field_strings.h"
#include "engine/player_names.h"
#include "engine/quoted_input.h"

namespace tallowen::cli {

namespace {

constexpr Option kOptions[] = {kRuleOption, {"p1"}, {"p2"},      {"field"},        {"game"},
                               {"games"},   {"seed"}, {"time"}, {"nodes"}, {"record", true},
                               {"store", false, "record"}};

std::uint64_t seedOption(const Arguments& args) {
    const auto text = args.option("seed");
    if (!text) return 1;
    std::uint64_t seed = 0;
    const char* end = text->data() + text->size();
    auto [ptr, ec] = std::from_chars(text->data(), end, seed);
    if (ec != std::errc() || ptr != end)
        throw UsageError{"--seed must be a whole number from 0 to 2^64 - 1, not " + quotedInput(*text)};
    return seed;
}

}  // namespace

int runSelfplay(int argc, char** argv) {
    const Arguments args = parseArguments(argc, argv, kOptions);
    ComputerGame setup;
    setup.rule = ruleOption(args);
    requiredOption(args, "p1");
    requiredOption(args, "p2");
    setup.level1 = intOption(args, "p1", 2, 1, kMasterLevel);
    setup.level2 = intOption(args, "p2", 2, 1, kMasterLevel);
    if (setup.level1 != kMasterLevel && setup.level2 != kMasterLevel && (args.option("nodes") || args.option("time")))
        throw UsageError{"--nodes and --time are for level 4"};
    setup.masterLimits = masterLimitsOfPlayers(args);
    const int games = intOption(args, "games", 1, 1, 1000000);
    const std::uint64_t seed = seedOption(args);
    const auto field = args.option("field");
    const auto game = args.option("game");
    if (field && game) throw UsageError{"give either --field or --game"};
    if (field) {
        const auto builtIn = builtInGame(*field);
        if (!builtIn)
            throw UsageError{"unknown field " + quotedInput(*field) + " (built-in fields: " + builtInNames() + ")"};
        setup.gameString = *builtIn;
    } else {
        setup.gameString = game.value_or(*builtInGame("Original"));
    }
    refuseUnplayable(setup.gameString);
    refuseExtraPositional(args, 0);
    const SelfplayRecording recording = selfplayRecording(args, setup.gameString);
    setup.fieldName = recording.fieldName;

    int wins1 = 0, wins2 = 0, tied = 0;
    for (int i = 1; i <= games; ++i) {
        setup.seed = seriesGameSeed(seed, i);
        const auto record = playComputerGame(setup, recording.recorder.get());
        if (!record) {
            std::cerr << "tallowen-engine selfplay: game " << i << " did not end within " << kMaxComputerGameMoves
                      << " moves\n";
            return 1;
        }
        const char* winner = record->winner == 1 ? "1" : record->winner == 2 ? "2" : "tie";
        std::cout << "game " << i << " winner " << winner << " counts " << record->count1 << ' ' << record->count2
                  << " turns " << record->turns << "\n";
        wins1 += record->winner == 1;
        wins2 += record->winner == 2;
        tied += record->winner == 0;
    }
    std::cout << "total p1 " << wins1 << " p2 " << wins2 << " tie " << tied << "\n";
    if (recording.recorder && recording.recorder->unkept() > 0) {
        std::cerr << "tallowen-engine selfplay: " << recording.recorder->unkept() << " of " << wins1 + wins2
                  << " decided games were not recorded\n";
        return 1;
    }
    return 0;
}

}  // namespace tallowen::cli
