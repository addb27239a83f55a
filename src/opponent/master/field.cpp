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
    });
}

Bits Field::growReach(const Bits& from) const {
    if (rule_ == MoveRule::Cross)
        return (from | shifted(from, 1, 0) | shifted(from, -1, 0) | shifted(from, 0, 1) | shifted(from, 0, -1)) & cells_;
    const Bits row = from | shifted(from, 1, 0) | shifted(from, -1, 0);
    return (row | shifted(row, 0, 1) | shifted(row, 0, -1)) & cells_;
}

Bits Field::reach(const Bits& from) const {
    if (rule_ == MoveRule::Cross) {
        // The 3 x 3 box and the cells two steps away orthogonally.
        const Bits row = from | shifted(from, 1, 0) | shifted(from, -1, 0);
        const Bits box = row | shifted(row, 0, 1) | shifted(row, 0, -1);
        return (box | shifted(from, 2, 0) | shifted(from, -2, 0) | shifted(from, 0, 2) | shifted(from, 0, -2)) &
               cells_;
    }
    const Bits row = from | shifted(from, 1, 0) | shifted(from, -1, 0) | shifted(from, 2, 0) | shifted(from, -2, 0);
    return (row | shifted(row, 0, 1) | shifted(row, 0, -1) | shifted(row, 0, 2) | shifted(row, 0, -2)) & cells_;
}

}  // namespace tallowen::master
