#include "opponent/master/zobrist.h"

namespace tallowen::master {

namespace {

std::uint64_t splitmix64(std::uint64_t& state) {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

Zobrist makeKeys() {
    Zobrist z{};
    std::uint64_t state = 0x7A11035EEDULL;
    for (auto& table : z.piece)
        for (auto& key : table) key = splitmix64(state);
    for (auto& key : z.noCell) key = splitmix64(state);
    z.player2ToMove = splitmix64(state);
    z.cross = splitmix64(state);
    return z;
}

}  // namespace

const Zobrist& zobrist() {
    static const Zobrist keys = makeKeys();
    return keys;
}

}  // namespace tallowen::master
