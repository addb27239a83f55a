#include "records/decimal_text.h"

#include <charconv>
#include <cstdlib>

namespace tallowen {

std::string decimalText(long value, int decimals) {
    long scale = 1;
    for (int i = 0; i < decimals; ++i) scale *= 10;
    const long magnitude = std::labs(value);
    std::string text = (value < 0 ? "-" : "") + std::to_string(magnitude / scale);
    std::string fraction = std::to_string(magnitude % scale);
    fraction.insert(0, static_cast<std::size_t>(decimals) - fraction.size(), '0');
    while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
    if (!fraction.empty()) text += "." + fraction;
    return text;
}

std::optional<long> tenthsOf(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    const bool negative = !text.empty() && text.front() == '-';
    if (negative) text.remove_prefix(1);
    const auto point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction = point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    if (whole.empty() || whole.front() < '0' || whole.front() > '9' || fraction.size() > 1 || (point != std::string_view::npos && fraction.empty()))
        return std::nullopt;
    long units = 0;
    auto [ptr, ec] = std::from_chars(whole.data(), whole.data() + whole.size(), units);
    if (ec != std::errc() || ptr != whole.data() + whole.size()) return std::nullopt;
    long tenths = units * 10;
    if (!fraction.empty()) {
        if (fraction[0] < '0' || fraction[0] > '9') return std::nullopt;
        tenths += fraction[0] - '0';
    }
    return negative ? -tenths : tenths;
}

long leadingInteger(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
    long number = 0;
    for (char c : text) {
        if (c < '0' || c > '9' || number > 100000000) break;
        number = number * 10 + (c - '0');
    }
    return negative ? -number : number;
}

}  // namespace tallowen
