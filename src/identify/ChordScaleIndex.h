#pragma once

#include "ChordBuilderRules.h"
#include "NoteNames.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// One chord the chord builder makes on one of the seventeen roots.
struct ChordRow {
    int intRoot = 0; // index into kRoots
    ChordChoice choice;
    int32_t longIntervals = 0; // the builder's interval set
    std::string_view strSuffix;
    PitchMask mask = 0;

    // Root name and suffix as the title line shows them, without a trailing blank: "D m7", "C".
    std::string name() const;
};

// Up to sixteen spelled notes, each an index into kRoots (the seventeen names).
struct SpelledNotes {
    std::array<int8_t, 16> notes{};
    int intCount = 0;

    void add(int intRoot) {
        notes[static_cast<std::size_t>(intCount++)] = static_cast<int8_t>(intRoot);
    }
    std::vector<std::string> names() const;
};

// One catalogue entry on one of the seventeen roots.
struct ScaleRow {
    int intRoot = 0;
    int16_t intCatalogue = 1; // built-in catalogue 1..3
    int16_t intCategory = 1;  // counted from 1, as the catalogue counts
    int16_t intEntry = 0;     // within its category, counted from 0
    std::string_view strName;
    SpelledNotes notes; // as the scale spells them, root first
    PitchMask mask = 0;
};

struct ScaleMatch {
    const ScaleRow* row = nullptr;
    SpelledNotes extraNotes; // the scale's notes outside the given ones, in the scale's order
};

struct Identification {
    std::vector<const ChordRow*> collChords;
    std::vector<ScaleMatch> collScales;
};

// Every chord the chord builder can build and every entry of the three built-in catalogues, on all
// seventeen roots, keyed by the set of pitch classes they sound. Built once by the constructor.
class ChordScaleIndex {
  public:
    ChordScaleIndex();
    ChordScaleIndex(const ChordScaleIndex&) = delete; // rows point into the index's own names
    ChordScaleIndex& operator=(const ChordScaleIndex&) = delete;

    // Chords sounding exactly the given pitch classes, those rooted on the bass's pitch class
    // first (intBass -1 for none); scales containing them all, exact ones first, then by fewest
    // extra notes, then in catalogue order.
    Identification identify(PitchMask mask, int intBass) const;

    // The builder's controls for an interval set (root-free), or nullptr when it cannot build it.
    const ChordChoice* choiceFor(int32_t longIntervals) const;

    const std::vector<ChordRow>& chords() const { return collChords; }
    const std::vector<ScaleRow>& scales() const { return collScales; }

  private:
    std::vector<std::string> collSuffixes;   // one per buildable interval set
    std::vector<std::string> collScaleNames; // one per catalogue entry
    std::vector<ChordRow> collChords;        // root by root, in the builder's order
    std::vector<int> collChordsByMask;       // positions in collChords, sorted by mask
    std::vector<ScaleRow> collScales;        // catalogue, entry, root
    std::vector<std::pair<int32_t, ChordChoice>> collBuildable; // sorted by interval set
};

// Semitones above the root of builder position 1..16 (1 is the root itself).
int positionSemitones(int intPosition);
