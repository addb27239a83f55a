#include "opponent/master/field.h"

namespace tallowen::master {

Field::Field(const Board& board, int side, MoveRule rule) : rule_(rule) {
    for (int x = 0; x < side; ++x)
        for (int y = 0; y < side; ++y)
            if (board(x, y) != kNoCell) cells_.set(cellIndex(x, y));
    const Directions dirs = directionsFor(rule);
    cells_.forEach([&](int cell) {
        for (int i = 0; i <= dirs.DirLast; ++i) {
            const int x = columnOf(cell) + dirs.DirX[static_cast<std::size_t>(i)];
            const int y = rowOf(cell) + dirs.DirY[static_cast<std::size_t>(i)];
            if (x < 0 || y < 0 || x >= side || y >= side || !cells_.test(cellIndex(x, y))) continue;
            Bits& set = dirs.DirKind[static_cast<std::size_t>(i)] == kGrow ? grow_[static_cast<std::size_t>(cell)]
                                                                            : jump_[static_cast<std::size_t>(cell)];
            set.set(cellIndex(x, y));
        }
        reach_[static_cast<std::size_t>(cell)] = grow_[static_cast<std::size_t>(cell)] | jump_[static_cast<std::size_t>(cell)];
    });
    cellCount_ = cells_.count();
}

Bits Field::growReach(const Bits& from) const {
    if (rule_ == MoveRule::Cross)
        return (from | shifted<1, 0>(from) | shifted<-1, 0>(from) | shifted<0, 1>(from) | shifted<0, -1>(from)) & cells_;
    const Bits row = from | shifted<1, 0>(from) | shifted<-1, 0>(from);
    return (row | shifted<0, 1>(row) | shifted<0, -1>(row)) & cells_;
}

Bits Field::reach(const Bits& from) const {
    if (rule_ == MoveRule::Cross) {
        // The 3 x 3 box and the cells two steps away orthogonally.
        const Bits row = from | shifted<1, 0>(from) | shifted<-1, 0>(from);
        const Bits box = row | shifted<0, 1>(row) | shifted<0, -1>(row);
        return (box | shifted<2, 0>(from) | shifted<-2, 0>(from) | shifted<0, 2>(from) | shifted<0, -2>(from)) &
               cells_;
    }
    const Bits row = from | shifted<1, 0>(from) | shifted<-1, 0>(from) | shifted<2, 0>(from) | shifted<-2, 0>(from);
    return (row | shifted<0, 1>(row) | shifted<0, -1>(row) | shifted<0, 2>(row) | shifted<0, -2>(row)) & cells_;
}

namespace {

// Adds a one-bit count for every cell to the planes.
void addTo(NeighbourCounts& counts, const Bits& ones) {
    Bits carry = ones;
    for (Bits& plane : counts.plane) {
        const Bits next = plane & carry;
        plane = plane ^ carry;
        carry = next;
    }
}

}  // namespace

NeighbourCounts Field::growNeighbourCounts(const Bits& pieces) const {
    NeighbourCounts counts;
    // A cell has a piece as its neighbour in a direction when the pieces moved the opposite way
    // cover it.
    addTo(counts, shifted<1, 0>(pieces));
    addTo(counts, shifted<-1, 0>(pieces));
    addTo(counts, shifted<0, 1>(pieces));
    addTo(counts, shifted<0, -1>(pieces));
    if (rule_ == MoveRule::Star) {
        addTo(counts, shifted<1, 1>(pieces));
        addTo(counts, shifted<1, -1>(pieces));
        addTo(counts, shifted<-1, 1>(pieces));
        addTo(counts, shifted<-1, -1>(pieces));
    }
    return counts;
}

}  // namespace tallowen::master
