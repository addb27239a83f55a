#pragma once

#include <array>
#include <cstdint>

#include "opponent/master/bitboard.h"

namespace tallowen::master {

// Random keys whose XOR over a position identifies it in the transposition table.
struct Zobrist {
    std::array<std::array<std::uint64_t, kCells>, 2> piece;  // [player - 1][cell]
    std::array<std::uint64_t, kCells> noCell;                // a hole, or a cell past the side
    std::uint64_t player2ToMove;
    std::uint64_t cross;
};

// The same keys in every run, so that a search is reproducible.
const Zobrist& zobrist();

}  // namespace tallowen::master
