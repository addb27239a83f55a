#include "engine/quoted_input.h"

namespace tallowen {

namespace {

constexpr std::size_t kShownCharacters = 60;

// The length of the UTF-8 sequence at the start of `text` that encodes a printable character, or 0.
std::size_t printableSequence(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char first = byte(0);
    if (first < 0x80) return first >= 0x20 && first != 0x7F ? 1 : 0;
    const std::size_t length = first >= 0xF0 ? 4 : first >= 0xE0 ? 3 : first >= 0xC2 ? 2 : 0;
    if (length == 0 || first > 0xF4 || text.size() < length) return 0;
    char32_t code = first & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) return 0;
        code = (code << 6) | (byte(i) & 0x3F);
    }
    const char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    const bool valid = code >= smallest[length] && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
    return valid && (code < 0x80 || code > 0x9F) ? length : 0;
}

std::string escaped(unsigned char byte) {
    switch (byte) {
        case '\n': return "\\n";
        case '\r': return "\\r";
        case '\t': return "\\t";
        default: {
            const char* digits = "0123456789abcdef";
            return {'\\', 'x', digits[byte >> 4], digits[byte & 0xF]};
        }
    }
}

// Appends up to `most` characters of `input` to `shown`, escaped, a backslash and each of `marked`
// with a backslash before it; returns how many bytes of the input it took.
std::size_t appendEscaped(std::string& shown, std::string_view input, std::string_view marked, std::size_t most) {
    std::size_t at = 0;
    for (std::size_t characters = 0; at < input.size() && characters < most; ++characters) {
        const std::size_t length = printableSequence(input.substr(at));
        if (length == 0) {
            shown += escaped(static_cast<unsigned char>(input[at]));
            ++at;
            continue;
        }
        if (input[at] == '\\' || marked.find(input[at]) != std::string_view::npos) shown += '\\';
        shown.append(input.substr(at, length));
        at += length;
    }
    return at;
}

}  // namespace

std::string quotedInput(std::string_view input) {
    std::string shown = "'";
    const std::size_t taken = appendEscaped(shown, input, "'", kShownCharacters);
    shown += '\'';
    if (taken < input.size()) shown += "... (" + std::to_string(input.size()) + " bytes)";
    return shown;
}

std::string escapedText(std::string_view text) {
    std::string shown;
    appendEscaped(shown, text, {}, text.size());
    return shown;
}

bool printableText(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = printableSequence(text.substr(at));
        if (length == 0) return false;
        at += length;
    }
    return true;
}

std::size_t characterCount(std::string_view text) {
    std::size_t count = 0;
    for (const char c : text) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count;
}

}  // namespace tallowen
