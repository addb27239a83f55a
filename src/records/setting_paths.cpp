#include "records/setting_paths.h"

#include <charconv>

namespace tallowen {

std::string recordKeyName(long number) {
    std::string digits = std::to_string(number);
    if (digits.size() < 5) digits.insert(0, 5 - digits.size(), '0');
    return digits;
}

std::string recordKey(long number) { return std::string(kRecordsKey) + "\\" + recordKeyName(number); }

std::optional<long> recordNumberOfKeyName(const std::string& name) {
    long number = 0;
    const char* end = name.data() + name.size();
    auto [ptr, ec] = std::from_chars(name.data(), end, number);
    if (ec != std::errc() || ptr != end || number < 1 || recordKeyName(number) != name) return std::nullopt;
    return number;
}

}  // namespace tallowen
