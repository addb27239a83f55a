#include "cli/bench_master.h"

#include <utility>

#include "cli/bench_positions.h"
#include "cli/built_in_game.h"
#include "engine/field_strings.h"
#include "opponent/master/search.h"

namespace tallowen::cli {

namespace {

constexpr std::uint64_t kNodesPerSearch = 2'000'000;

master::Result searchFirstMover(const std::string& gameString, const master::Limits& limits) {
    master::Question question;
    const ParsedGame parsed = parseGameString(gameString, question.board);
    question.side = parsed.side;
    question.player = parsed.firstMover;
    question.limits = limits;
    master::Search search;
    return search.run(question);
}

}  // namespace

BenchPart masterBench() {
    BenchPart part;
    Checksum sum;
    std::uint64_t nodes = 0;
    double ms = 0;
    for (const std::string* game : {&kHeaviestFirst, &kHeaviestAfterMove}) {
        const master::Result r = searchFirstMover(*game, master::Limits{0, kNodesPerSearch, 0});
        nodes += r.nodes;
        ms += r.ms;
        if (r.best) sum.add(static_cast<std::uint64_t>(((r.best->sx * 16 + r.best->sy) * 16 + r.best->tx) * 16 + r.best->ty));
        sum.add(static_cast<std::uint64_t>(r.value));
        sum.add(static_cast<std::uint64_t>(r.depth));
        sum.add(r.nodes);
    }
    part.lines.push_back({"master-nodes-per-second", static_cast<double>(nodes) / (ms / 1000), "nodes/s"});
    const std::pair<const char*, const char*> timed[] = {{"master-depth-1s-bigbattle", "Big battle"},
                                                         {"master-depth-1s-original", "Original"}};
    for (const auto& [name, field] : timed) {
        const master::Result r = searchFirstMover(*builtInGame(field), master::Limits{});
        part.lines.push_back({name, static_cast<double>(r.depth), "plies"});
    }
    part.checksum = sum.value();
    return part;
}

}  // namespace tallowen::cli
