#include "records/stored_games.h"

#include <optional>

#include "records/decimal_text.h"
#include "records/game_records.h"
#include "records/setting_paths.h"

namespace tallowen {

namespace {

constexpr std::size_t kFigureTextLength = 4;

std::optional<StoredGame> readStoredGame(SettingsStore& store, long number) {
    const std::string key = recordKey(number);
    auto read = [&](const char* name) { return store.ReadSetting(key, name); };

    StoredGame game;
    game.number = number;
    game.fieldName = listText(read(""));
    const auto player1 = storedText(read("Hráč1"));
    const auto player2 = storedText(read("Hráč2"));
    const auto count1 = storedInt(read("Hráč1Počet"));
    const auto count2 = storedInt(read("Hráč2Počet"));
    const std::string figure1 = listText(read("Hráč1Figurka"));
    const std::string figure2 = listText(read("Hráč2Figurka"));
    if (!player1 || !player2 || !count1 || !count2 || *count1 < 0 || *count2 < 0) return std::nullopt;
    if (figure1.size() < kFigureTextLength || figure2.size() < kFigureTextLength) return std::nullopt;
    game.player1 = *player1;
    game.player2 = *player2;
    game.count1 = *count1;
    game.count2 = *count2;
    game.figure1 = figure1;
    game.figure2 = figure2;

    const SettingValue winnerValue = read("Vyhrál");
    // A missing winner counts as a tie.
    const std::optional<std::int32_t> winner =
        std::holds_alternative<std::monostate>(winnerValue) ? std::optional<std::int32_t>(0) : storedInt(winnerValue);
    const long total = long{game.count1} + game.count2;
    if (winner == 1 || winner == 2) {
        if (total == 0) return std::nullopt;
        const bool first = winner == 1;
        game.winner = first ? game.player1 : game.player2;
        game.loserThenWinner = {first ? game.player2 : game.player1, game.winner};
        game.loserThenWinnerFigure = {first ? game.figure2 : game.figure1, first ? game.figure1 : game.figure2};
        game.share = decimalText(1000 * long{first ? game.count1 : game.count2} / total, 1);
    } else if (winner == 0) {
        game.winner = "TIE!";
        game.loserThenWinner = {game.player1, game.player2};
        game.loserThenWinnerFigure = {game.figure1, game.figure2};
        game.share = "50";
    } else {
        return std::nullopt;
    }

    game.movement = listText(read("LogikaPohybu"));
    game.turns = listText(read("PočetTahů"));
    game.times = listText(read("Časy"));
    return game;
}

}  // namespace

std::vector<StoredGame> readStoredGames(SettingsStore& store) {
    std::vector<StoredGame> games;
    store.snapshot([&] {
        for (long number : recordNumbers(store))
            if (auto game = readStoredGame(store, number)) games.push_back(std::move(*game));
    });
    return games;
}

}  // namespace tallowen
