#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

namespace tallowen::master {

// A set of cells of a field up to 16 x 16: cell (x, y) is bit 16 * y + x.
inline constexpr int kRowBits = 16;
inline constexpr int kCells = kRowBits * kRowBits;

constexpr int cellIndex(int x, int y) { return kRowBits * y + x; }
constexpr int columnOf(int cell) { return cell % kRowBits; }
constexpr int rowOf(int cell) { return cell / kRowBits; }

struct Bits {
    std::array<std::uint64_t, 4> w{};

    constexpr bool test(int cell) const { return (w[cell >> 6] >> (cell & 63)) & 1; }
    constexpr void set(int cell) { w[cell >> 6] |= std::uint64_t{1} << (cell & 63); }
    constexpr void reset(int cell) { w[cell >> 6] &= ~(std::uint64_t{1} << (cell & 63)); }

    constexpr bool any() const { return (w[0] | w[1] | w[2] | w[3]) != 0; }
    constexpr int count() const {
        return std::popcount(w[0]) + std::popcount(w[1]) + std::popcount(w[2]) + std::popcount(w[3]);
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

// Every cell of the columns from `lo` to `hi`.
constexpr Bits columns(int lo, int hi) {
    Bits b;
    for (int y = 0; y < kRowBits; ++y)
        for (int x = lo; x <= hi; ++x) b.set(cellIndex(x, y));
    return b;
}

constexpr Bits shiftedBits(const Bits& b, int k) {
    Bits r;
    if (k > 0) {
        for (int i = 3; i > 0; --i) r.w[i] = (b.w[i] << k) | (b.w[i - 1] >> (64 - k));
        r.w[0] = b.w[0] << k;
    } else if (k < 0) {
        k = -k;
        for (int i = 0; i < 3; ++i) r.w[i] = (b.w[i] >> k) | (b.w[i + 1] << (64 - k));
        r.w[3] = b.w[3] >> k;
    } else {
        r = b;
    }
    return r;
}

}  // namespace detail

// What stays of a set moved by dx = -2 ... 2 columns: the columns it wrapped into are dropped.
inline constexpr std::array<Bits, 5> kKeptAfterShift = {
    detail::columns(0, kRowBits - 3), detail::columns(0, kRowBits - 2), detail::columns(0, kRowBits - 1),
    detail::columns(1, kRowBits - 1), detail::columns(2, kRowBits - 1)};

// The set moved by (dx, dy), |dx|, |dy| <= 2; cells that would leave the 16 x 16 square are dropped.
constexpr Bits shifted(const Bits& b, int dx, int dy) {
    return detail::shiftedBits(b, dy * kRowBits + dx) & kKeptAfterShift[static_cast<std::size_t>(dx + 2)];
}

}  // namespace tallowen::master
