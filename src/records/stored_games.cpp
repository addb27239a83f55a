#include "records/stored_games.h"

#include <map>

#include "engine/board.h"
#include "records/decimal_text.h"
#include "records/setting_paths.h"

namespace tallowen {

namespace {

constexpr int kMostFigures = kMaxSide * kMaxSide;
constexpr int kTimePositions = 5;

// Three band letters, then a figure code.
bool figureText(const std::string& text) {
    if (text.size() != 4 || text[3] < '1' || text[3] > '8') return false;
    for (std::size_t i = 0; i < 3; ++i)
        if (text[i] < 'A' || text[i] > 'E') return false;
    return true;
}

bool timeCode(std::int32_t code) { return code >= 0 && code / 10 < kTimePositions && code % 10 < kTimePositions; }

}  // namespace

std::optional<StoredGame> soundStoredGame(const std::string& keyName, const StoredKey& key) {
    const auto number = recordNumberOfKeyName(keyName);
    if (!number || !key.exists) return std::nullopt;
    // Only the game's own values count: a later version may have added others.
    bool broken = false;
    const auto value = [&](const char* name) -> const SettingValue* {
        broken = broken || key.unreadable.count(name) > 0;
        const auto found = key.values.find(name);
        return found == key.values.end() ? nullptr : &found->second;
    };
    const auto text = [&](const char* name) -> std::optional<std::string> {
        const auto* found = value(name);
        const auto* written = found ? std::get_if<std::string>(found) : nullptr;
        return written && !written->empty() ? std::optional<std::string>(*written) : std::nullopt;
    };
    const auto integer = [&](const char* name) -> std::optional<std::int32_t> {
        const auto* found = value(name);
        return found ? storedInt(*found) : std::nullopt;
    };
    const auto field = text(""), player1 = text("Hráč1"), player2 = text("Hráč2");
    const auto figure1 = text("Hráč1Figurka"), figure2 = text("Hráč2Figurka");
    const auto turns = integer("PočetTahů"), movement = integer("LogikaPohybu"), times = integer("Časy");
    const auto count1 = integer("Hráč1Počet"), count2 = integer("Hráč2Počet");
    // A missing winner counts as a tie.
    const auto winner = value("Vyhrál") ? integer("Vyhrál") : std::optional<std::int32_t>(0);
    if (broken || !field || !player1 || !player2 || !figure1 || !figure2 || !turns || !movement || !times ||
        !count1 || !count2 || !winner)
        return std::nullopt;
    const long total = long{*count1} + *count2;
    const int larger = *count1 > *count2 ? 1 : *count2 > *count1 ? 2 : 0;
    if (*turns < 0 || (*movement != 1 && *movement != 2) || !timeCode(*times) || *count1 < 0 || *count2 < 0 ||
        total < 1 || total > kMostFigures || !figureText(*figure1) || !figureText(*figure2) || *winner != larger)
        return std::nullopt;

    StoredGame game;
    game.number = *number;
    game.fieldName = *field;
    game.player1 = *player1;
    game.player2 = *player2;
    game.movement = std::to_string(*movement);
    game.turns = std::to_string(*turns);
    game.times = std::to_string(*times);
    game.count1 = *count1;
    game.count2 = *count2;
    game.figure1 = *figure1;
    game.figure2 = *figure2;
    if (larger == 0) {
        game.winner = "TIE!";
        game.loserThenWinner = {game.player1, game.player2};
        game.loserThenWinnerFigure = {game.figure1, game.figure2};
        game.share = "50";
        return game;
    }
    const bool first = larger == 1;
    game.winner = first ? game.player1 : game.player2;
    game.loserThenWinner = {first ? game.player2 : game.player1, game.winner};
    game.loserThenWinnerFigure = {first ? game.figure2 : game.figure1, first ? game.figure1 : game.figure2};
    game.share = decimalText(1000 * long{first ? game.count1 : game.count2} / total, 1);
    return game;
}

StoredGames readStoredGames(SettingsStore& store) {
    const std::string below = std::string(kRecordsKey) + "\\";
    const auto keys = store.KeysBelow(kRecordsKey);
    // Each game once, also when a value of it names a key below its own.
    std::map<std::string, const StoredKey*> games;
    const StoredKey lost;
    for (const auto& [path, key] : keys) {
        const std::string name = path.substr(below.size(), path.find('\\', below.size()) - below.size());
        const auto own = keys.find(below + name);
        games.emplace(name, own == keys.end() ? &lost : &own->second);
    }
    std::map<long, StoredGame> sound;
    StoredGames stored;
    for (const auto& [name, key] : games) {
        if (auto game = soundStoredGame(name, *key))
            sound.emplace(game->number, std::move(*game));
        else
            ++stored.skipped;
    }
    for (auto& entry : sound) stored.games.push_back(std::move(entry.second));
    return stored;
}

std::string skippedGamesText(int skipped) {
    return skipped == 1 ? "1 stored game could not be read and is left out of the results."
                        : std::to_string(skipped) + " stored games could not be read and are left out of the results.";
}

}  // namespace tallowen
