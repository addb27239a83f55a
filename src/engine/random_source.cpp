#include "engine/random_source.h"

#include <chrono>

namespace tallowen {

RandomSource::RandomSource(std::optional<std::uint64_t> fixedSeed)
    : fixed_(fixedSeed.has_value()), engine_(fixedSeed.value_or(0)) {
    if (!fixed_) reseedFromTimeOfDay();
}

void RandomSource::reseedFromTimeOfDay() {
    if (fixed_) return;
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    engine_.seed(static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
}

double RandomSource::uniform() { return std::uniform_real_distribution<double>(0.0, 1.0)(engine_); }

int RandomSource::below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(engine_); }

}  // namespace tallowen
