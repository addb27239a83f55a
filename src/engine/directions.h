#pragma once

#include <array>
#include <cstdint>

namespace tallowen {

enum class MoveRule { Star, Cross };

// Values of DirKind.
inline constexpr std::uint8_t kJump = 1;
inline constexpr std::uint8_t kGrow = 2;

// The move directions of one movement rule, grow directions first.
struct Directions {
    std::array<std::int16_t, 26> DirX{};
    std::array<std::int16_t, 26> DirY{};
    std::array<std::uint8_t, 26> DirKind{};
    int DirLast = -1;

    // The grow directions are exactly the first third of the used entries.
    int growCount() const { return (DirLast + 1) / 3; }
};

Directions directionsFor(MoveRule rule);
// The rule a table was filled for.
MoveRule ruleOf(const Directions& dirs);

}  // namespace tallowen
