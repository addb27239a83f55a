#include "opponent/candidates.h"

#include <algorithm>

namespace tallowen {

void Candidates::add(int sx, int sy, int tx, int ty, int value) {
    const int m = ++count;
    PcMoveTX[m] = tx;
    PcMoveTY[m] = ty;
    PcMoveSX[m] = sx;
    PcMoveSY[m] = sy;
    PcMoveScore[m] = value;
    highest = std::max(highest, value);
    if (value > best) {
        best = value;
        bestCount = 0;
    }
    if (value == best) {
        ++bestCount;
        if (bestCount <= kMaxBest) PcBest[bestCount] = m;
    }
}

int Candidates::tieCount() const {
    if (bestCount > 0) return bestCount;
    if (count == 0) return 0;
    return static_cast<int>(std::count(PcMoveScore.begin() + 1, PcMoveScore.begin() + count + 1, highest));
}

int Candidates::tie(int i) const {
    if (bestCount > 0 && i <= std::min(bestCount, kMaxBest)) return PcBest[i];
    const int value = choiceValue();
    int seen = 0;
    for (int m = 1; m <= count; ++m)
        if (PcMoveScore[m] == value && ++seen == i) return m;
    return 0;
}

}  // namespace tallowen
