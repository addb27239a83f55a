#include "records/stored_games.h"

#include <optional>

#include "records/decimal_text.h"
#include "records/game_records.h"
#include "records/setting_paths.h"

namespace tallowen {

namespace {

constexpr std::size_t kFigureTextLength = 4;

enum class Outcome { Read, Skipped, Gone };

Outcome readStoredGame(SettingsStore& store, long number, StoredGame& game) {
    const auto key = store.openKey(recordKey(number));
    if (!key) return Outcome::Gone;
    // A value that breaks the store's rules reads as missing, and its record is skipped.
    bool unreadable = false;
    auto read = [&](const char* name) {
        SettingValue value;
        if (store.ReadOpenValue(*key, name, value) == kStoreUnsupportedType) unreadable = true;
        return value;
    };

    game.number = number;
    game.fieldName = listText(read(""));
    const auto player1 = storedText(read("Hráč1"));
    const auto player2 = storedText(read("Hráč2"));
    const auto count1 = storedInt(read("Hráč1Počet"));
    const auto count2 = storedInt(read("Hráč2Počet"));
    game.figure1 = listText(read("Hráč1Figurka"));
    game.figure2 = listText(read("Hráč2Figurka"));
    const SettingValue winnerValue = read("Vyhrál");
    game.movement = listText(read("LogikaPohybu"));
    game.turns = listText(read("PočetTahů"));
    game.times = listText(read("Časy"));
    if (unreadable || !player1 || !player2 || !count1 || !count2 || *count1 < 0 || *count2 < 0) return Outcome::Skipped;
    if (game.figure1.size() < kFigureTextLength || game.figure2.size() < kFigureTextLength) return Outcome::Skipped;
    game.player1 = *player1;
    game.player2 = *player2;
    game.count1 = *count1;
    game.count2 = *count2;

    // A missing winner counts as a tie.
    const std::optional<std::int32_t> winner =
        std::holds_alternative<std::monostate>(winnerValue) ? std::optional<std::int32_t>(0) : storedInt(winnerValue);
    const long total = long{game.count1} + game.count2;
    if (winner == 1 || winner == 2) {
        if (total == 0) return Outcome::Skipped;
        const bool first = winner == 1;
        game.winner = first ? game.player1 : game.player2;
        game.loserThenWinner = {first ? game.player2 : game.player1, game.winner};
        game.loserThenWinnerFigure = {first ? game.figure2 : game.figure1, first ? game.figure1 : game.figure2};
        game.share = decimalText(1000 * long{first ? game.count1 : game.count2} / total, 1);
        return Outcome::Read;
    }
    if (winner != 0) return Outcome::Skipped;
    game.winner = "TIE!";
    game.loserThenWinner = {game.player1, game.player2};
    game.loserThenWinnerFigure = {game.figure1, game.figure2};
    game.share = "50";
    return Outcome::Read;
}

}  // namespace

StoredGames readStoredGames(SettingsStore& store) {
    StoredGames stored;
    store.snapshot([&] {
        for (long number : recordNumbers(store)) {
            StoredGame game;
            const Outcome outcome = readStoredGame(store, number, game);
            if (outcome == Outcome::Read) stored.games.push_back(std::move(game));
            stored.skipped += outcome == Outcome::Skipped;
        }
    });
    return stored;
}

std::string skippedGamesText(int skipped) {
    return skipped == 1 ? "1 stored game could not be read and is left out of the results."
                        : std::to_string(skipped) + " stored games could not be read and are left out of the results.";
}

}  // namespace tallowen
