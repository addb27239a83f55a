#include "records/setting_paths.h"

namespace tallowen {

std::string recordKeyName(long number) {
    std::string digits = std::to_string(number);
    if (digits.size() < 5) digits.insert(0, 5 - digits.size(), '0');
    return digits;
}

std::string recordKey(long number) { return std::string(kRecordsKey) + "\\" + recordKeyName(number); }

}  // namespace tallowen
