#include <iomanip>
#include <iostream>

#include "cli/arguments.h"
#include "cli/bench.h"
#include "cli/bench_master.h"
#include "cli/bench_opponent.h"
#include "cli/bench_render.h"
#include "cli/bench_store.h"
#include "cli/commands.h"

namespace tallowen::cli {

namespace {

// Each part of the program that has speed targets contributes its figures here.
std::vector<BenchPart (*)()> benchParts() {
    return {opponentBench, masterBench, renderBench, storeBench};
}

}  // namespace

int runBench(int argc, char** argv) {
    refuseExtraPositional(parseArguments(argc, argv, {}), 0);
    Checksum signature;
    std::cout << std::setprecision(4);
    for (auto part : benchParts()) {
        const BenchPart result = part();
        for (const BenchLine& line : result.lines) std::cout << line.name << ' ' << line.value << ' ' << line.unit << "\n";
        signature.add(result.checksum);
    }
    std::cout << "signature " << signature.value() << " -\n";
    return 0;
}

}  // namespace tallowen::cli
