#include "engine/directions.h"

#include <cstddef>
#include <iterator>

namespace tallowen {

namespace {

struct Entry {
    int dx, dy, kind;
};

// Star: the eight neighbours clockwise from the upper left, then the ring at distance two clockwise
// from its upper-left corner.
constexpr Entry kStar[] = {
    {-1, -1, kGrow}, {0, -1, kGrow}, {1, -1, kGrow}, {1, 0, kGrow},   {1, 1, kGrow},   {0, 1, kGrow},
    {-1, 1, kGrow},  {-1, 0, kGrow}, {-2, -2, kJump}, {-1, -2, kJump}, {0, -2, kJump}, {1, -2, kJump},
    {2, -2, kJump},  {2, -1, kJump}, {2, 0, kJump},  {2, 1, kJump},   {2, 2, kJump},   {1, 2, kJump},
    {0, 2, kJump},   {-1, 2, kJump}, {-2, 2, kJump}, {-2, 1, kJump},  {-2, 0, kJump},  {-2, -1, kJump},
};

// Cross: the orthogonal neighbours grow; the diagonal neighbours and the cells two steps away
// orthogonally jump.
constexpr Entry kCross[] = {
    {0, -1, kGrow}, {1, 0, kGrow},  {0, 1, kGrow},  {-1, 0, kGrow}, {-1, -1, kJump}, {1, -1, kJump},
    {1, 1, kJump},  {-1, 1, kJump}, {0, -2, kJump}, {2, 0, kJump},  {0, 2, kJump},   {-2, 0, kJump},
};

template <std::size_t N>
Directions fill(const Entry (&entries)[N]) {
    Directions d;
    for (std::size_t i = 0; i < N; ++i) {
        d.DirX[i] = static_cast<std::int16_t>(entries[i].dx);
        d.DirY[i] = static_cast<std::int16_t>(entries[i].dy);
        d.DirKind[i] = static_cast<std::uint8_t>(entries[i].kind);
    }
    d.DirLast = static_cast<int>(N) - 1;
    return d;
}

}  // namespace

Directions directionsFor(MoveRule rule) { return rule == MoveRule::Star ? fill(kStar) : fill(kCross); }

MoveRule ruleOf(const Directions& dirs) {
    return dirs.DirLast + 1 == static_cast<int>(std::size(kStar)) ? MoveRule::Star : MoveRule::Cross;
}

}  // namespace tallowen
