#pragma once

#include <string>

namespace tallowen {

// The two ways numbers become text: with a blank before a non-negative number, and plain.
std::string withSignBlank(long n);
std::string plainNumber(long n);

// A clock's text, hours:minutes:seconds, e.g. 5400 -> "1:30:00".
std::string CoCas(long seconds);

}  // namespace tallowen
