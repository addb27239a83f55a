#pragma once

#include <vector>

#include "engine/game_recorder.h"
#include "records/settings_store.h"

namespace tallowen {

// The numbers of the stored records, ascending: the keys below "Hry" named by a record number
// whose default value (the field name) is present.
std::vector<long> recordNumbers(SettingsStore& store);

// The smallest number from 1 upward that no stored record holds.
long smallestFreeRecordNumber(SettingsStore& store);

// Writes the record of a game under the number: its key and every value, in the stored order. True
// when all of it was written; run it inside a transaction to keep all or nothing.
bool writeRecord(SettingsStore& store, long number, const FinishedGame& game);

// Keeps the record of every decided game in the store, one key per game under "Hry".
class GameRecords : public GameRecorder {
public:
    explicit GameRecords(SettingsStore& store) : store_(store) {}

    // Stores a decided game under the smallest free number, all of it or nothing: finding the
    // number and writing the values is one transaction, so two copies of the program ending games
    // at the same moment get two numbers. A tie leaves no record. False when the game was not stored.
    bool storeGame(const FinishedGame& game);
    void recordGame(const FinishedGame& game) override { storeGame(game); }

private:
    SettingsStore& store_;
};

}  // namespace tallowen
