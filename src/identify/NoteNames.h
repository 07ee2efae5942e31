#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The seventeen roots the letter and accidental buttons can make, in the order the program names
// notes: C, C#, Db, D, ... B.
struct RootButtons {
    const char* strName;
    int16_t intLetter;     // letter button 0..6 (C..B)
    int16_t intAccidental; // 0 none, 1 sharp, 2 flat
    int intPitch;          // pitch class 0..11
};

inline constexpr std::array<RootButtons, 17> kRoots{{
    {"C", 0, 0, 0},
    {"C#", 0, 1, 1},
    {"Db", 1, 2, 1},
    {"D", 1, 0, 2},
    {"D#", 1, 1, 3},
    {"Eb", 2, 2, 3},
    {"E", 2, 0, 4},
    {"F", 3, 0, 5},
    {"F#", 3, 1, 6},
    {"Gb", 4, 2, 6},
    {"G", 4, 0, 7},
    {"G#", 4, 1, 8},
    {"Ab", 5, 2, 8},
    {"A", 5, 0, 9},
    {"A#", 5, 1, 10},
    {"Bb", 6, 2, 10},
    {"B", 6, 0, 11},
}};

// Index into kRoots of a note name spelled exactly as the program spells it, or -1.
int rootIndexOf(const std::string& strName);

// Notes typed by a user: the seventeen names, the letter in either case, "#" or "b" after it,
// separated by blanks or commas. A name given twice counts once; the first name is the bass.
struct TypedNotes {
    std::vector<int> collRoots; // indices into kRoots, in the order typed
    std::string strUnknown;     // the first name that is none of the seventeen, else empty
};
TypedNotes parseNoteNames(const std::string& strText);

// The twelve-bit set of pitch classes (bit p for pitch class p).
using PitchMask = uint16_t;
inline PitchMask pitchBit(int intPitch) {
    return static_cast<PitchMask>(1U << (((intPitch % 12) + 12) % 12));
}
