#include "setup/network_setup.h"

#include <algorithm>

namespace tallowen {

namespace {

constexpr std::size_t kCodeDigits = 6;

bool isSixDigits(const std::string& text) {
    return text.size() == kCodeDigits && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

bool NetworkSetup::joinEnabled() const {
    return joining() && link == Link::None && Address.find_first_not_of(' ') != std::string::npos && isSixDigits(Code);
}

bool NetworkSetup::startEnabled() const {
    if (!Chosen) return true;
    return hosting() && link == Link::Connected && peer.has_value();
}

std::string NetworkSetup::addressesLine() const {
    if (Addresses.empty()) return "none but this computer's own";
    std::string line;
    for (const std::string& address : Addresses) line += (line.empty() ? "" : ", ") + address;
    return line;
}

}  // namespace tallowen
