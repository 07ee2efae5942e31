#pragma once

#include <optional>
#include <string_view>

// A whole number written with decimal digits only ("3"; not "+3", "3.0", " 3" or "0x3"), or
// nothing. Values past a few thousand are refused, which no option needs.
inline std::optional<int> parseWholeNumber(std::string_view strText) {
    if (strText.empty() || strText.size() > 4) {
        return std::nullopt;
    }
    int intValue = 0;
    for (const char c : strText) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        intValue = intValue * 10 + (c - '0');
    }
    return intValue;
}
