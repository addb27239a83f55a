#include "cli/tool.h"

#include <cstring>
#include <exception>
#include <iostream>
#include <string_view>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "engine/quoted_input.h"

namespace tallowen::cli {

namespace {

struct Command {
    const char* name;
    int (*run)(int argc, char** argv);
};

constexpr Command kCommands[] = {
    {"moves", runMoves},
    {"play", runPlay},
    {"bench", runBench},
    {"render", runRender},
    {"records", runRecords},
    {"results", runResults},
    {"fields", runFields},
    {"eval", runEval},
    {"selfplay", runSelfplay},
    {"host", runHost},
};

constexpr const char* kUsage =
    "usage: tallowen-engine COMMAND ...\n"
    "       tallowen-engine help | --help | -h | --version\n"
    "  moves --rule star|cross GAMESTRING\n"
    "  play  --rule star|cross GAMESTRING [sx,sy:tx,ty ...]\n"
    "  bench\n"
    "  records [--store PATH]\n"
    "  results NAME | --game K [--store PATH]\n"
    "  fields  [--store PATH]\n"
    "  render --rule star|cross [--height PX] [--detail 1..10] [--looks CODE1,RGB1,CODE2,RGB2]\n"
    "         [--levels L1,L2] GAMESTRING OUT.png\n"
    "  eval  --rule star|cross --level 0|1|2|3 [--last sx,sy,tx,ty] GAMESTRING\n"
    "  eval  --rule star|cross --level 4 [--nodes N] [--time MS] GAMESTRING\n"
    "  selfplay --rule star|cross --p1 1|2|3|4 --p2 1|2|3|4 [--field NAME | --game GAMESTRING]\n"
    "           [--games N] [--seed S] [--time MS[,MS2]] [--nodes N[,N2]]\n"
    "           [--record [--store PATH]]\n"
    "  host --level 1|2|3|4 [--port N] [--code NNNNNN] [--field NAME | --game GAMESTRING]\n"
    "       [--rule star|cross] [--games N]\n";

}  // namespace

int runTool(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << kUsage;
        return 2;
    }
    const std::string_view first = argv[1];
    if (first == "help" || first == "--help" || first == "-h") {
        std::cout << kUsage;
        return 0;
    }
    if (first == "--version") {
        std::cout << "tallowen-engine " << TALLOWEN_VERSION << "\n";
        return 0;
    }
    for (const Command& command : kCommands) {
        if (std::strcmp(argv[1], command.name) != 0) continue;
        try {
            return command.run(argc - 2, argv + 2);
        } catch (const UsageError& e) {
            std::cerr << "tallowen-engine " << command.name << ": " << e.message << "\n";
            return 2;
        } catch (const std::exception& e) {
            std::cerr << "tallowen-engine " << command.name << ": " << e.what() << "\n";
            return 1;
        }
    }
    std::cerr << "tallowen-engine: unknown command " << quotedInput(argv[1]) << " (commands:";
    for (const Command& command : kCommands) std::cerr << ' ' << command.name;
    std::cerr << ")\n";
    return 2;
}

}  // namespace tallowen::cli
