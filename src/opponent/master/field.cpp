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

namespace {

// One bit-plane adder: the sum bit and the carry of three one-bit counts per cell.
struct Sum {
    Bits low, carry;
};
Sum add(const Bits& a, const Bits& b, const Bits& c) {
    const Bits ab = a ^ b;
    return {ab ^ c, (a & b) | (ab & c)};
}
Sum add(const Bits& a, const Bits& b) { return {a ^ b, a & b}; }

}  // namespace

NeighbourCounts Field::growNeighbourCounts(const Bits& pieces) const {
    // A cell has a piece as its neighbour in a direction when the pieces moved the opposite way
    // cover it. The one-bit counts of the directions are summed by adders into four planes.
    const Bits e = shifted<1, 0>(pieces), w = shifted<-1, 0>(pieces);
    const Bits s = shifted<0, 1>(pieces), n = shifted<0, -1>(pieces);
    if (rule_ == MoveRule::Cross) {
        const Sum three = add(e, w, s);
        const Sum ones = add(three.low, n);
        const Sum twos = add(three.carry, ones.carry);
        return {{ones.low, twos.low, twos.carry, Bits{}}};
    }
    const Sum a = add(e, w, s);
    const Sum b = add(n, shifted<1, 1>(pieces), shifted<1, -1>(pieces));
    const Sum c = add(shifted<-1, 1>(pieces), shifted<-1, -1>(pieces));
    const Sum ones = add(a.low, b.low, c.low);
    const Sum twos = add(a.carry, b.carry, c.carry);
    const Sum twosAgain = add(twos.low, ones.carry);
    const Sum fours = add(twos.carry, twosAgain.carry);
    return {{ones.low, twosAgain.low, fours.low, fours.carry}};
}

}  // namespace tallowen::master
