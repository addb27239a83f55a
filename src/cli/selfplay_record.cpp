#include "cli/selfplay_record.h"

#include "cli/store_option.h"
#include "records/game_records.h"
#include "setup/field_library.h"

namespace tallowen::cli {

namespace {

class StoreRecorder : public GameRecorder {
public:
    StoreRecorder(std::unique_ptr<SettingsStore> store, std::string fieldName)
        : store_(std::move(store)), records_(*store_), fieldName_(std::move(fieldName)) {}

    void recordGame(const FinishedGame& game) override {
        FinishedGame named = game;
        named.fieldName = fieldName_;
        records_.recordGame(named);
        printStoreMessages(*store_);
    }

private:
    std::unique_ptr<SettingsStore> store_;
    GameRecords records_;
    std::string fieldName_;
};

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

std::unique_ptr<GameRecorder> selfplayRecorder(const Arguments& args, const std::string& gameString) {
    if (!args.flag("record")) return nullptr;
    auto store = openStore(args);
    std::string name = libraryName(*store, gameString);
    return std::make_unique<StoreRecorder>(std::move(store), std::move(name));
}

}  // namespace tallowen::cli
