#pragma once

// Instruments and scales shared by the sound tests, with the MIDI notes worked out by hand.

#include "Performance.h"
#include "ScaleFixtures.h"

#include <string>
#include <vector>

namespace SoundCases {

// A note name without an octave is stored as the setup dialog stores it: in octave 3.
inline std::vector<SimpleNote> tuning(const std::vector<std::string>& collNames) {
    std::vector<SimpleNote> collNotes(collNames.size());
    for (std::size_t i = 0; i < collNames.size(); ++i) {
        collNotes[i].setNote(collNames[i]);
    }
    return collNotes;
}

// String 1 first, as the picture draws them.
inline InstrumentSetup board(const std::vector<std::string>& collNames) {
    return {1, tuning(collNames), 1};
}
inline InstrumentSetup guitar() {
    return board({"E5", "B4", "G4", "D4", "A3", "E3"});
}
// The keyboard's octave placement: 0 one octave higher, 1 the same octave, 2 one octave lower.
inline InstrumentSetup keyboard(int intOctave) {
    return {2, {}, intOctave};
}

// A scale on a root in octave 3, as the window keeps it.
inline std::vector<ScheduledNote> schedule(const char* strRoot, const char* strIntervals,
                                           const InstrumentSetup& setup, bool boolChord) {
    return buildSchedule(*scaleOn(strRoot, strIntervals), setup, boolChord);
}

using Notes = std::vector<int>;

struct Case {
    const char* strName;
    InstrumentSetup setup;
    const char* strRoot;
    const char* strIntervals;
    bool boolChord;
    Notes collMidi; // in order of starting beat; chord notes first in scale order
};

inline std::vector<Case> cases() {
    return {
        // Root C at fret 8 of the low E string (40 + 8), then nearest pitches upwards.
        {"C major, guitar", guitar(), "C3", "1,2,3,4,5,6,7", false,
         Notes{48, 50, 52, 53, 55, 57, 59, 60, 59, 57, 55, 53, 52, 50, 48}},
        // The fifth in parentheses is not drawn and not played: C D E B, then the octave. A root
        // in parentheses is drawn, so it plays.
        {"Cmaj9 as a scale, guitar", guitar(), "C3", "(1),3,(5),7,9", false,
         Notes{48, 50, 52, 59, 60, 59, 52, 50, 48}},
        // Drop D stored in octave 3: strings D3 A3 D4 G4 B4 E5 (38 45 50 55 59 64); D open.
        {"D7 chord, drop D", board({"E", "B", "G", "D", "A", "D"}), "D3", "1,3,5,b7", true,
         Notes{38, 42, 45, 48, 38, 42, 45, 48}},
        // Seven strings in octave 3: B3 (47) is the lowest; E at its fret 5 (52).
        {"E major chord, seven strings", board({"E", "B", "G", "D", "A", "E", "B"}), "E3", "1,3,5",
         true, Notes{52, 56, 59, 52, 56, 59}},
        // The fifth line sounds lowest (A3, 45), below the re-entrant E4 under it: G at fret 10.
        {"G major triad as scale, re-entrant", board({"E5", "B4", "G4", "D4", "A3", "E4"}), "G3",
         "1,3,5", false, Notes{55, 59, 62, 67, 62, 59, 55}},
        // One octave higher: D, F, A an octave up; the order stays the scale's.
        {"C major, keyboard higher", keyboard(0), "C3", "1,2,3,4,5,6,7", false,
         Notes{36, 50, 40, 53, 43, 57, 47, 48, 47, 57, 43, 53, 40, 50, 36}},
        // The ninth one octave higher: together in scale order, then upwards.
        {"Cadd9 chord, keyboard higher", keyboard(0), "C3", "1,3,5,9", true,
         Notes{36, 50, 40, 43, 36, 40, 43, 50}},
    };
}

} // namespace SoundCases
