#pragma once

#include <cstdint>
#include <vector>

#include "opponent/master/position.h"

namespace tallowen::master {

// What a stored value says about the position's true value at the stored depth.
enum class Bound : std::uint8_t { Exact, Lower, Upper };

struct TableEntry {
    std::uint64_t key = 0;
    Move move = kNoMove;
    std::int16_t value = 0;
    std::uint8_t depth = 0;
    std::uint8_t boundBits : 2 = 0;
    std::uint8_t age : 6 = 0;

    Bound bound() const { return static_cast<Bound>(boundBits); }
};
static_assert(sizeof(TableEntry) == 16);

// Positions searched before, by Zobrist key: two entries a bucket, one kept for the deeper search
// of the current move, one always replaced.
class TranspositionTable {
public:
    // 2^bits buckets; 0 bits gives a table that stores nothing.
    explicit TranspositionTable(int bits);

    const TableEntry* find(std::uint64_t key) const;
    void store(std::uint64_t key, Move move, int value, int depth, Bound bound);
    // A new move's search: older entries give way first.
    void nextAge() { ++age_; }

private:
    std::vector<TableEntry> entries_;
    std::uint64_t mask_ = 0;
    std::uint8_t age_ = 0;
};

}  // namespace tallowen::master
