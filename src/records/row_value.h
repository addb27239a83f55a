#pragma once

#include <cstdint>
#include <optional>

#include "records/setting_value.h"
#include "records/sqlite_handle.h"

namespace tallowen {

// The value a row holds in its type and value columns, from column `first` on, as written; nothing when
// it breaks the store's rules (another tool may write such a value with the checks off).
inline std::optional<SettingValue> rowValue(const SqliteStatement& row, int first) {
    const auto type = row.integer(first);
    const int kind = row.columnType(first + 1);
    if (type == kTextType && kind == SQLITE_TEXT) return row.text(first + 1);
    const std::int64_t number = row.integer(first + 1);
    if (type == kIntType && kind == SQLITE_INTEGER && number >= INT32_MIN && number <= INT32_MAX)
        return static_cast<std::int32_t>(number);
    return std::nullopt;
}

}  // namespace tallowen
