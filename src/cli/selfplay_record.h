#pragma once

#include <memory>
#include <string>

#include "cli/arguments.h"
#include "engine/game_recorder.h"
#include "records/game_records.h"
#include "records/settings_store.h"

namespace tallowen::cli {

// Keeps each decided game in the settings store as the game does; what the store has to tell goes to
// stderr at once.
class StoreRecorder : public GameRecorder {
public:
    explicit StoreRecorder(std::unique_ptr<SettingsStore> store) : store_(std::move(store)), records_(*store_) {}

    void recordGame(const FinishedGame& game) override;

    SettingsStore& store() { return *store_; }
    // Decided games that were not kept: a write failed, or the store could only be kept in memory.
    int unkept() const { return unkept_; }

private:
    std::unique_ptr<SettingsStore> store_;
    GameRecords records_;
    int unkept_ = 0;
};

struct SelfplayRecording {
    std::unique_ptr<StoreRecorder> recorder;
    std::string fieldName;  // as the field library names the game's field; empty when it has none
};

// Where selfplay keeps its finished games with --record: the settings store of --store PATH or
// TALLOWEN_STORE, as the game keeps them. Nothing without --record.
SelfplayRecording selfplayRecording(const Arguments& args, const std::string& gameString);

}  // namespace tallowen::cli
