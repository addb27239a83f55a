#include "engine/number_text.h"

namespace tallowen {

std::string withSignBlank(long n) { return (n >= 0 ? " " : "") + std::to_string(n); }

std::string plainNumber(long n) { return std::to_string(n); }

std::string CoCas(long s) {
    const long h = s / 3600;
    const long m = s / 60 - 60 * h;
    const long sec = s - 3600 * h - 60 * m;
    auto two = [](long v) { return (v < 10 ? "0" : "") + std::to_string(v); };
    return std::to_string(h) + ":" + two(m) + ":" + two(sec);
}

}  // namespace tallowen
