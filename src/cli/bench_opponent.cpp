#include "cli/bench_opponent.h"

#include <algorithm>
#include <chrono>

#include "cli/bench_positions.h"
#include "cli/built_in_game.h"
#include "cli/computer_game.h"
#include "engine/headless_game.h"
#include "opponent/computer_opponent.h"

namespace tallowen::cli {

namespace {

constexpr int kRuns = 15;
constexpr std::uint64_t kSeed = 20261206;

struct Decision {
    const char* name;
    std::string gameString;
    int level;
    bool afterMove;  // the last-move markers stand on the board: the look-ahead copies four windows
    int lastSx, lastSy, lastTx, lastTy;
};

// Median time of PcIQ for the position's first mover, played by the computer on a headless
// window under Star; every value of the search goes into the checksum.
BenchLine timeDecision(const Decision& d, Checksum& sum) {
    HeadlessGame headless;
    GameWindow& game = headless.game();
    game.random = RandomSource(kSeed);
    ComputerOpponent computer(game);
    headless.start(MoveRule::Star, d.gameString);
    if (d.afterMove) {
        game.Shape1 = {game.CellW * d.lastSx, game.CellH * d.lastSy};
        game.Shape2 = {game.CellW * d.lastTx, game.CellH * d.lastTy};
    }
    const int player = game.CurPlayer;
    const double ms = medianMilliseconds(kRuns, [&] {
        computer.PcIQ(player, d.level);
        game.dropPendingComputerMove();
    });
    const Candidates& table = computer.candidates();
    for (int m = 1; m <= table.count; ++m) {
        sum.add(static_cast<std::uint64_t>(table.PcMoveSX[m] * 32 + table.PcMoveSY[m]));
        sum.add(static_cast<std::uint64_t>(table.PcMoveTX[m] * 32 + table.PcMoveTY[m]));
        sum.add(static_cast<std::uint64_t>(table.PcMoveScore[m]));
    }
    sum.add(static_cast<std::uint64_t>(table.tieCount()));
    sum.add(static_cast<std::uint64_t>(computer.PcSource[0] * 32 + computer.PcSource[1]));
    sum.add(static_cast<std::uint64_t>(computer.PcTarget[0] * 32 + computer.PcTarget[1]));
    return {d.name, ms, "ms"};
}

// Games per second of a series of computer games on "Original" under Star; every record goes
// into the checksum.
BenchLine timeGames(const char* name, int level1, int level2, int games, Checksum& sum) {
    ComputerGame setup{MoveRule::Star, *builtInGame("Original"), level1, level2, 0, "Original", {}};
    const auto start = std::chrono::steady_clock::now();
    for (int i = 1; i <= games; ++i) {
        setup.seed = seriesGameSeed(kSeed, i);
        const auto record = playComputerGame(setup);
        sum.add(static_cast<std::uint64_t>(record ? record->winner : 9));
        if (!record) continue;
        sum.add(static_cast<std::uint64_t>(record->count1));
        sum.add(static_cast<std::uint64_t>(record->count2));
        sum.add(static_cast<std::uint64_t>(record->turns));
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return {name, games / seconds, "games/s"};
}

}  // namespace

BenchPart opponentBench() {
    const std::string bigBattle = *builtInGame("Big battle");
    const Decision heaviest[] = {
        {"pciq-level3-heaviest-first", kHeaviestFirst, 3, false, 0, 0, 0, 0},
        {"pciq-level3-heaviest-after-move", kHeaviestAfterMove, 3, true, 7, 7, 8, 8},
    };
    const Decision others[] = {
        {"pciq-level3-bigbattle-first", bigBattle, 3, false, 0, 0, 0, 0},
        {"pciq-level3-bigbattle-after-move", bigBattle, 3, true, 2, 0, 3, 1},
        {"pciq-level2-bigbattle", bigBattle, 2, false, 0, 0, 0, 0},
    };
    BenchPart part;
    Checksum sum;
    double worst = 0;
    for (const Decision& d : heaviest) {
        part.lines.push_back(timeDecision(d, sum));
        worst = std::max(worst, part.lines.back().value);
    }
    part.lines.push_back({"pciq-level3-worst", worst, "ms"});
    for (const Decision& d : others) part.lines.push_back(timeDecision(d, sum));
    part.lines.push_back(timeGames("selfplay-level2", 2, 2, 40, sum));
    part.lines.push_back(timeGames("selfplay-level3", 3, 3, 10, sum));
    part.checksum = sum.value();
    return part;
}

}  // namespace tallowen::cli
