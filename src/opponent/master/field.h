#pragma once

#include <array>

#include "engine/board.h"
#include "engine/directions.h"
#include "opponent/master/bitboard.h"

namespace tallowen::master {

// For every cell, how many cells of a set are among its grow neighbours, as four bit planes of
// the count.
struct NeighbourCounts {
    std::array<Bits, 4> plane;

    // The cells whose count is exactly k.
    Bits exactly(int k) const {
        Bits r = (k & 1) ? plane[0] : minus(Bits{{~0ULL, ~0ULL, ~0ULL, ~0ULL}}, plane[0]);
        for (std::size_t i = 1; i < 4; ++i) r = (k >> i & 1) ? r & plane[i] : minus(r, plane[i]);
        return r;
    }
    int at(int cell) const {
        return plane[0].test(cell) | plane[1].test(cell) << 1 | plane[2].test(cell) << 2 | plane[3].test(cell) << 3;
    }
};

// What stays fixed during a game: the cells of the field (holes and everything past the side are
// none) and, for each cell, the cells a grow or a jump from it lands on under the movement rule.
class Field {
public:
    Field(const Board& board, int side, MoveRule rule);

    MoveRule rule() const { return rule_; }
    const Bits& cells() const { return cells_; }
    int cellCount() const { return cellCount_; }
    // Growing and jumping are symmetric: these are also the cells from which a piece grows or
    // jumps to `cell`, and the neighbours a piece landing on `cell` converts are its grow cells.
    const Bits& growCells(int cell) const { return grow_[static_cast<std::size_t>(cell)]; }
    const Bits& jumpCells(int cell) const { return jump_[static_cast<std::size_t>(cell)]; }
    const Bits& reachCells(int cell) const { return reach_[static_cast<std::size_t>(cell)]; }

    // Every cell of the field a grow or a jump from one of `from` lands on, `from` itself included.
    Bits reach(const Bits& from) const {
        Bits grows;
        return reach(from, grows);
    }
    // The same, and in `grows` the cells a grow from one of `from` lands on, `from` included.
    Bits reach(const Bits& from, Bits& grows) const {
        const Bits row = from | shifted<1, 0>(from) | shifted<-1, 0>(from);
        const Bits box = row | shifted<0, 1>(row) | shifted<0, -1>(row);
        if (rule_ == MoveRule::Cross) {
            // The orthogonal neighbours grow; the rest of the 3 x 3 box and the cells two steps
            // away orthogonally are jumps.
            grows = (row | shifted<0, 1>(from) | shifted<0, -1>(from)) & cells_;
            return (box | shifted<2, 0>(from) | shifted<-2, 0>(from) | shifted<0, 2>(from) | shifted<0, -2>(from)) &
                   cells_;
        }
        grows = box & cells_;
        const Bits wide = row | shifted<2, 0>(from) | shifted<-2, 0>(from);
        return (wide | shifted<0, 1>(wide) | shifted<0, -1>(wide) | shifted<0, 2>(wide) | shifted<0, -2>(wide)) & cells_;
    }
    // How many of `pieces` each cell would convert by a move onto it.
    NeighbourCounts growNeighbourCounts(const Bits& pieces) const;
    // The most pieces one move converts.
    int growNeighbourMost() const { return rule_ == MoveRule::Star ? 8 : 4; }

private:
    MoveRule rule_;
    Bits cells_;
    int cellCount_ = 0;
    std::array<Bits, kCells> grow_;
    std::array<Bits, kCells> jump_;
    std::array<Bits, kCells> reach_;
};

}  // namespace tallowen::master
