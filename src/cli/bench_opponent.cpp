#include "cli/bench_opponent.h"

#include <chrono>

#include "cli/builtin_games.h"
#include "cli/computer_game.h"
#include "cli/headless_game.h"
#include "opponent/computer_opponent.h"

namespace tallowen::cli {

namespace {

constexpr int kRuns = 15;
constexpr std::uint64_t kSeed = 20261206;

// The heaviest level-3 position found on a 15 x 15 field: player 1's pieces and player 2's
// interleaved so that nearly every piece has a full ring of targets and every reply scans a
// crowded board.
const std::string kHeaviest15 = bigBattleGame();

struct Decision {
    const char* name;
    MoveRule rule;
    std::string gameString;
    int level;
    bool afterMove;  // with a last move on the board: the look-ahead copies four windows
    int lastSx, lastSy, lastTx, lastTy;
};

// Median time of PcIQ for the position's first mover, played by the computer on a headless
// window; every value of the search goes into the checksum.
BenchLine timeDecision(const Decision& d, Checksum& sum) {
    HeadlessGame headless;
    GameWindow& game = headless.game();
    game.random = RandomSource(kSeed);
    ComputerOpponent computer(game);
    headless.start(d.rule, d.gameString);
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

// Games per second of a series of computer games; every record goes into the checksum.
BenchLine timeGames(const char* name, ComputerGame setup, int games, Checksum& sum) {
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
    const Decision decisions[] = {
        {"pciq-level3-worst", MoveRule::Star, kHeaviest15, 3, false, 0, 0, 0, 0},
        {"pciq-level3-worst-after-move", MoveRule::Star, kHeaviest15, 3, true, 0, 0, 0, 0},
        {"pciq-level3-bigbattle-first", MoveRule::Star, bigBattleGame(), 3, false, 0, 0, 0, 0},
        {"pciq-level3-bigbattle-after-move", MoveRule::Star, bigBattleGame(), 3, true, 2, 0, 3, 1},
        {"pciq-level2-bigbattle", MoveRule::Star, bigBattleGame(), 2, false, 0, 0, 0, 0},
    };
    BenchPart part;
    Checksum sum;
    for (const Decision& d : decisions) part.lines.push_back(timeDecision(d, sum));
    part.lines.push_back(timeGames("selfplay-level2", {MoveRule::Star, originalGame(), 2, 2, 0}, 40, sum));
    part.lines.push_back(timeGames("selfplay-level3", {MoveRule::Star, originalGame(), 3, 3, 0}, 10, sum));
    part.checksum = sum.value();
    return part;
}

}  // namespace tallowen::cli
