#pragma once

// Named instruments and scales shared by the sound tests, with the MIDI notes worked out by hand.

#include "Performance.h"
#include "StandardScale.h"

#include <memory>
#include <string>
#include <vector>

namespace SoundCases {

inline std::vector<SimpleNote> tuning(const std::vector<std::string>& collNames) {
    std::vector<SimpleNote> collNotes;
    for (const std::string& strName : collNames) {
        SimpleNote note;
        note.setNote(strName);
        collNotes.push_back(note);
    }
    return collNotes;
}

// String 1 first, as the picture draws them.
inline InstrumentSetup guitarDefault() {
    return {1, tuning({"E5", "B4", "G4", "D4", "A3", "E3"}), 1};
}
// As the setup dialog stores a tuning: every string in octave 3.
inline InstrumentSetup guitarDropD() {
    return {1, tuning({"E", "B", "G", "D", "A", "D"}), 1};
}
inline InstrumentSetup sevenString() {
    return {1, tuning({"E", "B", "G", "D", "A", "E", "B"}), 1};
}
// Stored octaves where the bottom line is not the lowest string (a re-entrant fifth string).
inline InstrumentSetup reentrant() {
    return {1, tuning({"E5", "B4", "G4", "D4", "A3", "E4"}), 1};
}
inline InstrumentSetup keyboard(int intOctave) {
    return {2, {}, intOctave};
}

// A scale as the window builds it: interval list, then the root from the buttons (octave 3).
inline StandardScale scale(const std::string& strIntervals, int intButton, int intAdd = 0) {
    auto noteRoot = std::make_shared<SimpleNote>();
    noteRoot->setPitchFromButtons(static_cast<int16_t>(intButton), static_cast<int16_t>(intAdd));
    StandardScale scale;
    scale.setScale(strIntervals);
    scale.setRootNote(noteRoot);
    return scale;
}

struct Case {
    const char* strName;
    InstrumentSetup setup;
    std::string strIntervals;
    int intButton;
    int intAdd;
    bool boolChord;
    std::vector<int> collMidi; // in order of starting beat; chord notes first in scale order
};

// Button indices: C 0, D 1, E 2, F 3, G 4, A 5, B 6.
inline std::vector<Case> cases() {
    return {
        // Root C at fret 8 of the low E string (40 + 8), then nearest pitches upwards.
        {"C major, guitar",
         guitarDefault(),
         "1,2,3,4,5,6,7",
         0,
         0,
         false,
         {48, 50, 52, 53, 55, 57, 59, 60, 59, 57, 55, 53, 52, 50, 48}},
        // A at fret 5 of the low E string.
        {"A minor pentatonic, guitar",
         guitarDefault(),
         "1,b3,4,5,b7",
         5,
         0,
         false,
         {45, 48, 50, 52, 55, 57, 55, 52, 50, 48, 45}},
        // The fifth in parentheses is not drawn and not played: C D E B, then the octave.
        {"Cmaj9 as a scale, guitar",
         guitarDefault(),
         "1,3,(5),7,9",
         0,
         0,
         false,
         {48, 50, 52, 59, 60, 59, 52, 50, 48}},
        // The root alone: the root, its octave, the root.
        {"root only, guitar", guitarDefault(), "1", 0, 0, false, {48, 60, 48}},
        // Bb at fret 6 of the low E string (46).
        {"Bb major, guitar",
         guitarDefault(),
         "1,2,3,4,5,6,7",
         6,
         2,
         false,
         {46, 48, 50, 51, 53, 55, 57, 58, 57, 55, 53, 51, 50, 48, 46}},
        // Drop D stored in octave 3: strings D3 A3 D4 G4 B4 E5 (38 45 50 55 59 64); D open.
        {"D7 chord, drop D",
         guitarDropD(),
         "1,3,5,b7",
         1,
         0,
         true,
         {38, 42, 45, 48, 38, 42, 45, 48}},
        // Seven strings in octave 3: B3 (47) is the lowest; E at its fret 5 (52).
        {"E major chord, seven strings",
         sevenString(),
         "1,3,5",
         2,
         0,
         true,
         {52, 56, 59, 52, 56, 59}},
        // G on the re-entrant board: the lowest string is A3 (45), the fifth line; G at fret 10.
        {"G major triad as scale, re-entrant",
         reentrant(),
         "1,3,5",
         4,
         0,
         false,
         {55, 59, 62, 67, 62, 59, 55}},
        // Keyboard, same octave: C3 = 36.
        {"C major, keyboard same octave",
         keyboard(1),
         "1,2,3,4,5,6,7",
         0,
         0,
         false,
         {36, 38, 40, 41, 43, 45, 47, 48, 47, 45, 43, 41, 40, 38, 36}},
        // One octave higher: D, F, A an octave up; the order stays the scale's.
        {"C major, keyboard higher",
         keyboard(0),
         "1,2,3,4,5,6,7",
         0,
         0,
         false,
         {36, 50, 40, 53, 43, 57, 47, 48, 47, 57, 43, 53, 40, 50, 36}},
        // One octave lower: the root, 3, 5, 7 in octave 4, D F A in octave 3.
        {"C major, keyboard lower",
         keyboard(2),
         "1,2,3,4,5,6,7",
         0,
         0,
         false,
         {48, 38, 52, 41, 55, 45, 59, 60, 59, 45, 55, 41, 52, 38, 48}},
        // Chord with a ninth one octave higher: together C D5.. then upwards 36 40 43 50.
        {"Cadd9 chord, keyboard higher",
         keyboard(0),
         "1,3,5,9",
         0,
         0,
         true,
         {36, 50, 40, 43, 36, 40, 43, 50}},
        // F# minor triad on the keyboard: F#3 A3 C#4.
        {"F# minor chord, keyboard", keyboard(1), "1,b3,5", 3, 1, true, {42, 45, 49, 42, 45, 49}},
    };
}

} // namespace SoundCases
