#pragma once

#include <array>
#include <cassert>
#include <cstddef>
#include <cstdint>

namespace tallowen {

// Cell codes. A player's piece code is ten times the player number.
inline constexpr std::uint8_t kNoCell = 0;
inline constexpr std::uint8_t kEmpty = 1;
constexpr std::uint8_t pieceOf(int player) { return static_cast<std::uint8_t>(10 * player); }

// The largest side the arrays hold: a target two cells past the last column must stay inside Marks.
inline constexpr int kMaxSide = 16;

// A square table of bytes indexed over Lo..Hi in both coordinates, x first.
template <int Lo, int Hi>
class Grid {
public:
    static constexpr int kLo = Lo;
    static constexpr int kHi = Hi;
    static constexpr int kSpan = Hi - Lo + 1;

    static constexpr bool contains(int x, int y) { return x >= Lo && x <= Hi && y >= Lo && y <= Hi; }

    std::uint8_t& operator()(int x, int y) { return cells_[index(x, y)]; }
    std::uint8_t operator()(int x, int y) const { return cells_[index(x, y)]; }

    void clear() { cells_.fill(0); }
    bool operator==(const Grid&) const = default;

private:
    static std::size_t index(int x, int y) {
        assert(contains(x, y));
        return static_cast<std::size_t>((x - Lo) * kSpan + (y - Lo));
    }
    std::array<std::uint8_t, kSpan * kSpan> cells_{};
};

// Cell codes; the band of three entries around the field is never a cell and stays 0.
using Board = Grid<-3, 18>;
// Move-target marks of the current selection.
using Marks = Grid<-2, 17>;

// Values of Marks.
inline constexpr std::uint8_t kNoMark = 0;
inline constexpr std::uint8_t kJumpMark = 1;
inline constexpr std::uint8_t kGrowMark = 2;
inline constexpr std::uint8_t kSelectedMark = 3;

}  // namespace tallowen
