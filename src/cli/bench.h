#pragma once

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tallowen::cli {

// One figure that `tallowen-engine bench` prints as "name value unit".
struct BenchLine {
    std::string name;
    double value = 0;
    std::string unit;
};

// A checksum over every value a benchmark computed (not its timings), so that a change which alters
// results shows in the bench's signature line.
class Checksum {
public:
    void add(std::uint64_t v) {
        for (int i = 0; i < 8; ++i) {
            hash_ ^= (v >> (8 * i)) & 0xFF;
            hash_ *= 1099511628211ULL;
        }
    }
    void add(const std::string& s) {
        for (unsigned char c : s) add(static_cast<std::uint64_t>(c));
    }
    std::uint64_t value() const { return hash_; }

private:
    std::uint64_t hash_ = 14695981039346656037ULL;
};

struct BenchPart {
    std::vector<BenchLine> lines;
    std::uint64_t checksum = 0;
};

// The median wall time of `runs` calls of work, in milliseconds.
inline double medianMilliseconds(int runs, const std::function<void()>& work) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace tallowen::cli
