#pragma once

#include <cmath>
#include <string>

// Rounds to the nearest integer, halves to the even neighbour (4327.5 -> 4328, 2.5 -> 2), as the
// drawing geometry expects. Relies on the default floating-point rounding mode.
inline int roundHalfEven(double dblValue) {
    return static_cast<int>(std::lrint(dblValue));
}

// A positive number as the classic print statement writes it: one leading blank (" 12").
inline std::string printedNumber(int intValue) {
    // Appended rather than prefixed: GCC 12 at -O2/-O3 warns (-Wrestrict) inside the inlined
    // insert of `" " + std::string`.
    std::string strPrinted(1, ' ');
    strPrinted += std::to_string(intValue);
    return strPrinted;
}
