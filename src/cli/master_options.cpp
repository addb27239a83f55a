#include "cli/master_options.h"

#include <charconv>

namespace tallowen::cli {

master::Limits masterLimits(const Arguments& args) {
    master::Limits limits;
    if (const auto nodes = args.option("nodes")) {
        const char* end = nodes->data() + nodes->size();
        auto [ptr, ec] = std::from_chars(nodes->data(), end, limits.nodes);
        if (ec != std::errc() || ptr != end || limits.nodes == 0)
            throw UsageError{"--nodes must be a whole number from 1 to 2^64 - 1"};
        limits.timeMs = 0;
    }
    if (args.option("time")) limits.timeMs = intOption(args, "time", 1000, 1, 3600000);
    return limits;
}

}  // namespace tallowen::cli
