#pragma once

#include <array>
#include <climits>

#include "engine/board.h"

namespace tallowen {

// The computer player's candidate tables: every move of one search with its value, and the
// numbers of the moves that share the best value. Numbers count from 1; element 0 is never used.
struct Candidates {
    static constexpr int kMaxCandidates = 5000;
    static constexpr int kMaxBest = 500;
    // Each candidate pairs an own piece with an empty cell within reach (24 directions at most),
    // so no field the board holds can produce more candidates than the table has room for.
    static_assert(24 * (kMaxSide * kMaxSide / 2) <= kMaxCandidates);

    // A value every candidate must beat to open the best list.
    static constexpr int kBestStart = -10;

    std::array<int, kMaxCandidates + 1> PcMoveTX{};
    std::array<int, kMaxCandidates + 1> PcMoveTY{};
    std::array<int, kMaxCandidates + 1> PcMoveSX{};
    std::array<int, kMaxCandidates + 1> PcMoveSY{};
    std::array<int, kMaxCandidates + 1> PcMoveScore{};
    std::array<int, kMaxBest + 1> PcBest{};

    int count = 0;
    int best = kBestStart;
    int bestCount = 0;       // may run past kMaxBest; PcBest then holds only the first ones
    int highest = INT_MIN;   // the highest value of any candidate, reached or not

    void clear() {
        count = 0;
        best = kBestStart;
        bestCount = 0;
        highest = INT_MIN;
    }

    // Records candidate count + 1 and keeps the best list: a higher value restarts it, an equal
    // one joins it in scan order.
    void add(int sx, int sy, int tx, int ty, int value);

    // The value the random choice draws among: the best value, or, when no candidate reached the
    // start of the best list, the highest value found.
    int choiceValue() const { return bestCount > 0 ? best : highest; }
    // How many candidates share that value (0 when there is no candidate).
    int tieCount() const;
    // The candidate number of the i-th tie, i from 1, in scan order. Ties beyond the best list's
    // room and ties below its start are found in the candidate table itself.
    int tie(int i) const;
};

}  // namespace tallowen
