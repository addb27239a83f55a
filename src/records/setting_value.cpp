#include "records/setting_value.h"

#include <charconv>

namespace tallowen {

std::string settingText(const SettingValue& value) {
    if (const auto* text = std::get_if<std::string>(&value)) return *text;
    if (const auto* number = std::get_if<std::int32_t>(&value)) return std::to_string(*number);
    return {};
}

std::optional<std::string> storedText(const SettingValue& value) {
    const auto* text = std::get_if<std::string>(&value);
    if (!text) return std::nullopt;
    if (!text->empty() && text->back() == '\0') return text->substr(0, text->size() - 1);
    return *text;
}

std::optional<std::int32_t> storedInt(const SettingValue& value) {
    if (const auto* number = std::get_if<std::int32_t>(&value)) return *number;
    return std::nullopt;
}

std::string listText(const SettingValue& value) {
    const std::string text = settingText(value);
    return text.substr(0, text.find('\0'));
}

std::optional<std::int32_t> integerOf(const SettingValue& value) {
    if (std::holds_alternative<std::monostate>(value)) return 0;
    if (const auto* number = std::get_if<std::int32_t>(&value)) return *number;
    std::string text = listText(value);
    const auto first = text.find_first_not_of(' ');
    const auto last = text.find_last_not_of(' ');
    if (first == std::string::npos) return std::nullopt;
    text = text.substr(first, last - first + 1);
    if (!text.empty() && text[0] == '+') text.erase(0, 1);
    std::int32_t n = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, n);
    if (ec != std::errc() || ptr != end) return std::nullopt;
    return n;
}

}  // namespace tallowen
