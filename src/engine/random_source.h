#pragma once

#include <cstdint>
#include <optional>
#include <random>

namespace tallowen {

// The one source of random numbers. The game reseeds it from the time of day; a fixed seed (tests,
// the engine tool) makes those reseeds keep the seeded sequence, so every game can be replayed.
class RandomSource {
public:
    explicit RandomSource(std::optional<std::uint64_t> fixedSeed = std::nullopt);

    void reseedFromTimeOfDay();
    // Uniform in [0, 1).
    double uniform();
    // Uniform in 0 ... n - 1, n > 0.
    int below(int n);

private:
    bool fixed_;
    std::mt19937_64 engine_;
};

}  // namespace tallowen
