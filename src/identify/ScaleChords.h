#pragma once

#include "ChordScaleIndex.h"

#include <string>
#include <vector>

class StandardScale;

// A chord stacked in thirds from a scale's own notes.
struct StackedChord {
    int intRoot = -1;                   // index into kRoots of its root as the scale spells it
    std::vector<std::string> collNotes; // spelled as the scale spells them, root first
    bool boolBuildable = false;         // the chord builder makes this interval set
    ChordChoice choice;                 // its controls, when buildable
    std::string strSuffix;

    // "D m7" (root and suffix, no trailing blank), or strMissing when the builder cannot build it.
    std::string name(const std::string& strMissing) const;
};

struct DegreeChords {
    std::string strNumeral; // "I" to "VII"
    StackedChord triad;
    StackedChord fourNote;
};

// The triad and four-note chord on each degree of the scale, or nothing when its interval list does
// not hold exactly one member on each degree 1 to 7 (the scale needs its root).
std::vector<DegreeChords> chordsOfScale(const StandardScale& scale, const ChordScaleIndex& index);
