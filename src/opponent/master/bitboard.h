#pragma once

#include <array>
#include <bit>
#include <cstdint>

namespace tallowen::master {

// A set of cells of a field up to 16 x 16: cell (x, y) is bit 16 * y + x.
inline constexpr int kRowBits = 16;
inline constexpr int kCells = kRowBits * kRowBits;

constexpr int cellIndex(int x, int y) { return kRowBits * y + x; }
constexpr int columnOf(int cell) { return cell % kRowBits; }
constexpr int rowOf(int cell) { return cell / kRowBits; }

// Pieces in a word. Without the processor's own instruction the compiler calls a library routine
// for std::popcount; this inline form is quicker than that call.
constexpr int countBits(std::uint64_t w) {
#ifdef __POPCNT__
    return std::popcount(w);
#else
    w -= (w >> 1) & 0x5555555555555555ULL;
    w = (w & 0x3333333333333333ULL) + ((w >> 2) & 0x3333333333333333ULL);
    w = (w + (w >> 4)) & 0x0F0F0F0F0F0F0F0FULL;
    return static_cast<int>((w * 0x0101010101010101ULL) >> 56);
#endif
}

struct Bits {
    std::array<std::uint64_t, 4> w{};

    constexpr bool test(int cell) const { return (w[cell >> 6] >> (cell & 63)) & 1; }
    constexpr void set(int cell) { w[cell >> 6] |= std::uint64_t{1} << (cell & 63); }
    constexpr void reset(int cell) { w[cell >> 6] &= ~(std::uint64_t{1} << (cell & 63)); }

    constexpr bool any() const { return (w[0] | w[1] | w[2] | w[3]) != 0; }
    constexpr int count() const {
        return countBits(w[0]) + countBits(w[1]) + countBits(w[2]) + countBits(w[3]);
    }
    // The lowest cell of a non-empty set.
    constexpr int first() const {
        for (int i = 0; i < 4; ++i)
            if (w[i]) return 64 * i + std::countr_zero(w[i]);
        return -1;
    }

    // Calls f(cell) for every cell of the set, lowest first.
    template <typename F>
    constexpr void forEach(F&& f) const {
        for (int i = 0; i < 4; ++i)
            for (std::uint64_t word = w[i]; word; word &= word - 1) f(64 * i + std::countr_zero(word));
    }

    friend constexpr Bits operator&(const Bits& a, const Bits& b) {
        return {{a.w[0] & b.w[0], a.w[1] & b.w[1], a.w[2] & b.w[2], a.w[3] & b.w[3]}};
    }
    friend constexpr Bits operator|(const Bits& a, const Bits& b) {
        return {{a.w[0] | b.w[0], a.w[1] | b.w[1], a.w[2] | b.w[2], a.w[3] | b.w[3]}};
    }
    friend constexpr Bits operator^(const Bits& a, const Bits& b) {
        return {{a.w[0] ^ b.w[0], a.w[1] ^ b.w[1], a.w[2] ^ b.w[2], a.w[3] ^ b.w[3]}};
    }
    // The cells of a that are not in b.
    friend constexpr Bits minus(const Bits& a, const Bits& b) {
        return {{a.w[0] & ~b.w[0], a.w[1] & ~b.w[1], a.w[2] & ~b.w[2], a.w[3] & ~b.w[3]}};
    }
    constexpr bool intersects(const Bits& b) const {
        return ((w[0] & b.w[0]) | (w[1] & b.w[1]) | (w[2] & b.w[2]) | (w[3] & b.w[3])) != 0;
    }
    constexpr bool operator==(const Bits&) const = default;
};

namespace detail {

// The columns lo ... hi of each of the four rows a word holds.
constexpr std::uint64_t rowsOfColumns(int lo, int hi) {
    std::uint64_t row = 0;
    for (int x = lo; x <= hi; ++x) row |= std::uint64_t{1} << x;
    return row * 0x0001000100010001ULL;
}

}  // namespace detail

// The set moved by (dx, dy), |dx|, |dy| <= 2; cells that would leave the 16 x 16 square are dropped.
template <int dx, int dy>
constexpr Bits shifted(const Bits& b) {
    static_assert(dx >= -2 && dx <= 2 && dy >= -2 && dy <= 2);
    constexpr int k = dy * kRowBits + dx;
    Bits r;
    if constexpr (k > 0) {
        for (int i = 3; i > 0; --i) r.w[i] = (b.w[i] << k) | (b.w[i - 1] >> (64 - k));
        r.w[0] = b.w[0] << k;
    } else if constexpr (k < 0) {
        for (int i = 0; i < 3; ++i) r.w[i] = (b.w[i] >> -k) | (b.w[i + 1] << (64 + k));
        r.w[3] = b.w[3] >> -k;
    } else {
        r = b;
    }
    // A move along the row wraps into the neighbouring row's far columns: those are dropped.
    if constexpr (dx != 0) {
        constexpr std::uint64_t keep =
            dx > 0 ? detail::rowsOfColumns(dx, kRowBits - 1) : detail::rowsOfColumns(0, kRowBits - 1 + dx);
        for (auto& word : r.w) word &= keep;
    }
    return r;
}

}  // namespace tallowen::master
