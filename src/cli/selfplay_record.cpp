#include "cli/selfplay_record.h"

#include "cli/store_option.h"
#include "setup/field_library.h"

namespace tallowen::cli {

namespace {

// The name the library gives the game's field; empty for a field it does not hold.
std::string libraryName(SettingsStore& store, const std::string& gameString) {
    const std::string field = gameString.substr(0, gameString.size() - 1);
    FieldLibrary library(store);
    library.NajitMapy();
    for (std::size_t i = 0; i < library.List3.size(); ++i)
        if (library.List3[i] == field) return library.List1[i];
    return {};
}

}  // namespace

void StoreRecorder::recordGame(const FinishedGame& game) {
    const bool decided = game.winner == 1 || game.winner == 2;
    if (!records_.storeGame(game) || (decided && !store_->persistent())) ++unkept_;
    printStoreMessages(*store_);
}

SelfplayRecording selfplayRecording(const Arguments& args, const std::string& gameString) {
    if (!args.flag("record")) return {};
    auto recorder = std::make_unique<StoreRecorder>(openStore(args));
    std::string name = libraryName(recorder->store(), gameString);
    return {std::move(recorder), std::move(name)};
}

}  // namespace tallowen::cli
