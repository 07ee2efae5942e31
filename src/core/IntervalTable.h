#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// The fifteen intervals above the root that scales and chords are made of. Slot s (1..15) is the
// s-th row; the chord interval set numbers the same rows as positions 2..16 (position 1 is the
// root). Tokens compare exactly and case-sensitively.
struct IntervalSlot {
    std::string_view canonical;   // the token written back
    std::string_view alternative; // compound or other accepted name, empty when none
    int16_t degree;               // major-scale degree the note is found from
    int16_t alteration;           // SimpleNote::doModification type applied to that degree
};

inline constexpr std::array<IntervalSlot, 15> kIntervalSlots{{
    {"b2", "b9", 2, 1},
    {"2", "9", 2, 2},
    {"#2", "#9", 2, 3},
    {"b3", "", 3, 1},
    {"3", "", 3, 2},
    {"4", "11", 4, 2},
    {"#4", "#11", 4, 3},
    {"b5", "", 5, 1},
    {"5", "", 5, 2},
    {"#5", "", 5, 3},
    {"b6", "b13", 6, 1},
    {"6", "13", 6, 2},
    {"bb7", "o7", 7, 4},
    {"b7", "", 7, 1},
    {"7", "", 7, 2},
}};

// Slot 1..15 named by the token, or 0 when the token names none (the root "1" included).
constexpr int16_t intervalSlotOf(std::string_view token) {
    for (std::size_t i = 0; i < kIntervalSlots.size(); ++i) {
        const IntervalSlot& slot = kIntervalSlots[i];
        if (token == slot.canonical || (!slot.alternative.empty() && token == slot.alternative)) {
            return static_cast<int16_t>(i + 1);
        }
    }
    return 0;
}
