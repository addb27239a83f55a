#pragma once

#include <string>

namespace tallowen {

// A message box with an OK button, as data for the window that shows it.
struct UserMessage {
    std::string text;
    std::string title;
    bool operator==(const UserMessage&) const = default;
};

}  // namespace tallowen
