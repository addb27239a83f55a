#include "cli/store_option.h"

#include <iostream>

#include "records/store_location.h"

namespace tallowen::cli {

std::unique_ptr<SettingsStore> openStore(const Arguments& args) {
    auto store = std::make_unique<SettingsStore>(storePath(args.option("store")));
    printStoreMessages(*store);
    return store;
}

void printStoreMessages(SettingsStore& store) {
    for (const UserMessage& message : store.takeMessages()) std::cerr << "tallowen-engine: " << message.text << "\n";
}

int readExitCode(const SettingsStore& store) { return store.persistent() && store.failures() == 0 ? 0 : 1; }

}  // namespace tallowen::cli
