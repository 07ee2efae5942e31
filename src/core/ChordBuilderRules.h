#pragma once

#include "Intervals.h"

#include <array>
#include <cstdint>
#include <vector>

// The chord builder's rules without its widgets: the items of its two lists, which alterations
// each item offers, and how a state of the controls becomes an interval set. The chord frame builds
// its chords with these, and the chord index enumerates every state the frame lets a user reach.
struct ChordListItem {
    const char* strText;
    std::array<const char*, 3> intervals; // nullptr where a triad has only two
    // Triads: "(no3rd)", sus2 and sus4 are offered. Four-note chords: sus4 is offered.
    bool boolAlterations;
};

inline constexpr std::array<ChordListItem, 4> kTriadItems{{
    {"", {"3", "5", nullptr}, true},
    {"m", {"b3", "5", nullptr}, false},
    {"o", {"b3", "b5", nullptr}, false},
    {"+", {"3", "#5", nullptr}, false},
}};

inline constexpr std::array<ChordListItem, 7> kQuadriadItems{{
    {"maj7#5", {"3", "#5", "7"}, false},
    {"maj7", {"3", "5", "7"}, true},
    {"7", {"3", "5", "b7"}, true},
    {"mmaj7", {"b3", "5", "7"}, false},
    {"m7", {"b3", "5", "b7"}, false},
    {"m7b5", {"b3", "b5", "b7"}, false},
    {"o7", {"b3", "b5", "bb7"}, false},
}};

// The tokens that the option rows of the ninth, eleventh and thirteenth add, by button index.
inline constexpr std::array<const char*, 3> kSecondTokens{"9", "b9", "#9"};
inline constexpr std::array<const char*, 2> kFourthTokens{"11", "#11"};
inline constexpr std::array<const char*, 2> kSixthTokens{"13", "b13"};

// What the builder reads of its controls. Exactly one of intTriad and intQuadriad is a list index,
// the other is -1. The option indices count only in four-note mode.
struct ChordChoice {
    int intTriad = 0;
    int intQuadriad = -1;
    bool boolAdd9 = false;
    bool boolAdd11 = false;
    bool boolAdd13 = false;
    bool boolNo3 = false;
    int intSecond = 0;
    int intFourth = 0;
    int intSixth = 0;

    friend bool operator==(const ChordChoice&, const ChordChoice&) = default;
};

// The interval set the builder makes of a state of its controls.
Intervals buildChord(const ChordChoice& choice);

// Every state a user can reach: each list item with every combination of the additions and
// alterations it offers (in four-note mode the third can only go through sus4, for a natural
// eleventh). Triads first, then four-note chords, in list order.
std::vector<ChordChoice> reachableChordChoices();
