#include <iostream>

#include "cli/commands.h"
#include "cli/store_option.h"
#include "engine/quoted_input.h"
#include "setup/field_library.h"

namespace tallowen::cli {

namespace {

constexpr Option kOptions[] = {kStoreOption};

}  // namespace

// The field library, one entry a line: slot mark, name and field string, separated by tabs.
int runFields(int argc, char** argv) {
    const Arguments args = parseArguments(argc, argv, kOptions);
    refuseExtraPositional(args, 0);
    const auto store = openStore(args);
    FieldLibrary library(*store);
    library.NajitMapy();
    for (std::size_t i = 0; i < library.List1.size(); ++i)
        std::cout << library.List2[i] << '\t' << escapedText(library.List1[i]) << '\t' << escapedText(library.List3[i])
                  << '\n';
    printStoreMessages(*store);
    return readExitCode(*store);
}

}  // namespace tallowen::cli
