#include "cli/master_options.h"

#include <charconv>
#include <cstdint>

#include "engine/quoted_input.h"

namespace tallowen::cli {

namespace {

template <typename Number>
Number number(const std::string& text, const std::string& option, Number lo, Number hi, const std::string& range) {
    Number n{};
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, n);
    if (ec != std::errc() || ptr != end || n < lo || n > hi)
        throw UsageError{"--" + option + " must be " + range + ", not " + quotedInput(text)};
    return n;
}

// The limits from one value of each option, or from the value at `index` of "P1,P2".
master::Limits limitsFrom(const Arguments& args, int index) {
    const auto part = [&](const std::string& option) -> std::optional<std::string> {
        const auto text = args.option(option);
        if (!text || index < 0) return text;
        const std::size_t comma = text->find(',');
        if (comma == std::string::npos) return text;
        return index == 0 ? text->substr(0, comma) : text->substr(comma + 1);
    };
    master::Limits limits;
    if (const auto nodes = part("nodes")) {
        limits.nodes = number<std::uint64_t>(*nodes, "nodes", 1, UINT64_MAX, "a whole number from 1 to 2^64 - 1");
        limits.timeMs = 0;
    }
    if (const auto time = part("time")) limits.timeMs = number(*time, "time", 1, 3600000, "a whole number from 1 to 3600000");
    return limits;
}

}  // namespace

master::Limits masterLimits(const Arguments& args) { return limitsFrom(args, -1); }

std::array<master::Limits, 2> masterLimitsOfPlayers(const Arguments& args) {
    return {limitsFrom(args, 0), limitsFrom(args, 1)};
}

}  // namespace tallowen::cli
