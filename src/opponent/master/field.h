#pragma once

#include <array>

#include "engine/board.h"
#include "engine/directions.h"
#include "opponent/master/bitboard.h"

namespace tallowen::master {

// What stays fixed during a game: the cells of the field (holes and everything past the side are
// none) and, for each cell, the cells a grow or a jump from it lands on under the movement rule.
class Field {
public:
    Field(const Board& board, int side, MoveRule rule);

    MoveRule rule() const { return rule_; }
    const Bits& cells() const { return cells_; }
    // Growing and jumping are symmetric: these are also the cells from which a piece grows or
    // jumps to `cell`, and the neighbours a piece landing on `cell` converts are its grow cells.
    const Bits& growCells(int cell) const { return grow_[static_cast<std::size_t>(cell)]; }
    const Bits& jumpCells(int cell) const { return jump_[static_cast<std::size_t>(cell)]; }

    // Every cell of the field a grow from one of `from` lands on, `from` itself included.
    Bits growReach(const Bits& from) const;
    // Every cell of the field a grow or a jump from one of `from` lands on, `from` itself included.
    Bits reach(const Bits& from) const;

private:
    MoveRule rule_;
    Bits cells_;
    std::array<Bits, kCells> grow_;
    std::array<Bits, kCells> jump_;
};

}  // namespace tallowen::master
