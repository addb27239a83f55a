#include "cli/computer_game.h"

#include "engine/headless_game.h"
#include "engine/player_names.h"
#include "opponent/computer_opponent.h"

namespace tallowen::cli {

namespace {

// Keeps the record of the finished game and passes it on.
class KeepingRecorder : public GameRecorder {
public:
    explicit KeepingRecorder(GameRecorder* next) : next_(next) {}
    void recordGame(const FinishedGame& game) override {
        kept = game;
        if (next_) next_->recordGame(game);
    }
    std::optional<FinishedGame> kept;

private:
    GameRecorder* next_;
};

}  // namespace

std::optional<FinishedGame> playComputerGame(const ComputerGame& setup, GameRecorder* recorder) {
    KeepingRecorder keeper(recorder);
    HeadlessGame headless(&keeper);
    GameWindow& game = headless.game();
    game.random = RandomSource(setup.seed);
    ComputerOpponent computer(game);
    computer.setMasterLimits(1, setup.masterLimits[0]);
    computer.setMasterLimits(2, setup.masterLimits[1]);
    game.setComputerPlayer(&computer);
    game.Label2.Caption = "Tallowen - " + setup.fieldName;  // the title the setup window gives the game
    headless.start(setup.rule, setup.gameString, computerName(setup.level1), computerName(setup.level2));
    // Every move passes one turn change, which adds a half to TurnCount.
    headless.clock().runUntil([&] { return game.GameOver || game.TurnCount > kMaxComputerGameMoves / 2.0; });
    return keeper.kept;
}

std::uint64_t seriesGameSeed(std::uint64_t seed, int index) {
    // splitmix64 of the series seed and the game number
    std::uint64_t z = seed + 0x9E3779B97F4A7C15ULL * static_cast<std::uint64_t>(index + 1);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

}  // namespace tallowen::cli
