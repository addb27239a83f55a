#include "opponent/master/transposition_table.h"

namespace tallowen::master {

TranspositionTable::TranspositionTable(int bits) {
    if (bits <= 0) return;
    entries_.resize(std::size_t{2} << bits);
    mask_ = (std::uint64_t{1} << bits) - 1;
}

const TableEntry* TranspositionTable::find(std::uint64_t key) const {
    if (entries_.empty()) return nullptr;
    const TableEntry* bucket = &entries_[2 * (key & mask_)];
    if (bucket[0].key == key && bucket[0].move != kNoMove) return &bucket[0];
    if (bucket[1].key == key && bucket[1].move != kNoMove) return &bucket[1];
    return nullptr;
}

void TranspositionTable::store(std::uint64_t key, Move move, int value, int depth, Bound bound) {
    if (entries_.empty() || move == kNoMove) return;
    TableEntry* bucket = &entries_[2 * (key & mask_)];
    TableEntry& slot = bucket[0].key == key || bucket[0].age != (age_ & 63u) || bucket[0].depth <= depth ? bucket[0] : bucket[1];
    slot.key = key;
    slot.move = move;
    slot.value = static_cast<std::int16_t>(value);
    slot.depth = static_cast<std::uint8_t>(depth);
    slot.boundBits = static_cast<std::uint8_t>(bound) & 3u;
    slot.age = age_ & 63u;
}

}  // namespace tallowen::master
