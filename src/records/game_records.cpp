#include "records/game_records.h"

#include <algorithm>

#include "records/setting_paths.h"

namespace tallowen {

std::vector<long> recordNumbers(SettingsStore& store) {
    std::vector<long> numbers;
    for (const std::string& name : store.SubKeys(kRecordsKey)) {
        const auto number = recordNumberOfKeyName(name);
        if (number && !settingText(store.ReadSetting(recordKey(*number), "")).empty()) numbers.push_back(*number);
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

long smallestFreeRecordNumber(SettingsStore& store) {
    long candidate = 1;
    for (long number : recordNumbers(store)) {
        if (number != candidate) break;
        ++candidate;
    }
    return candidate;
}

bool writeRecord(SettingsStore& store, long number, const FinishedGame& game) {
    const std::string key = recordKey(number);
    store.CreateSettingKey(key);
    const auto open = store.openKey(key);
    if (!open) return false;
    auto text = [&](const char* name, const std::string& value) {
        return store.WriteOpenValue(*open, name, kTextType, value) == kStoreOk;
    };
    auto integer = [&](const char* name, int value) {
        return store.WriteOpenValue(*open, name, kIntType, std::int32_t{value}) == kStoreOk;
    };
    return text("", game.fieldName) && integer("PočetTahů", game.turns) && text("Hráč1", game.player1) &&
           text("Hráč2", game.player2) && integer("LogikaPohybu", game.movement) && integer("Časy", game.times) &&
           integer("Hráč1Počet", game.count1) && integer("Hráč2Počet", game.count2) &&
           text("Hráč1Figurka", game.figure1) && text("Hráč2Figurka", game.figure2) &&
           integer("Vyhrál", game.winner);
}

bool GameRecords::storeGame(const FinishedGame& game) {
    if (game.winner != 1 && game.winner != 2) return true;
    return store_.transaction([&] { return writeRecord(store_, smallestFreeRecordNumber(store_), game); });
}

}  // namespace tallowen
