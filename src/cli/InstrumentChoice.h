#pragma once

#include "SimpleNote.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Instrument options of a command line as typed. Unset members keep the program's defaults.
struct InstrumentRequest {
    std::optional<std::string> strInstrument; // "fretboard" or "keyboard"
    std::optional<std::string> strStrings;    // 3..7
    std::optional<std::string> strTuning;     // lowest-sounding string first: "E3,A3,D4,G4,B4,E5"
    std::optional<std::string> strOctave;     // "higher", "same" or "lower"
    bool boolLeftHanded = false;
    bool boolNoFretNumbers = false;
    bool boolNoTuning = false;
    bool boolNoIntervals = false;
    bool boolNoNoteNames = false;
    bool boolShowIntervals = false;
};

// The instrument and its settings, checked and ready to apply.
struct InstrumentChoice {
    int16_t intInstrument = 1; // 1 fretboard, 2 piano keyboard
    int16_t intStrings = 6;
    // Open strings from string 1 (the highest, drawn on top) down; empty keeps the default tuning.
    std::vector<SimpleNote> collTuning;
    bool boolLeftHand = false;
    bool boolShowFretNumbers = true;
    bool boolShowTuning = true;
    bool boolDisplayIntervals = true;
    int16_t intKeyboardOctave = 1;
    bool boolShowNoteNames = true;
    bool boolShowIntervals = false;

    // Puts the global instrument settings to their defaults, then to this choice.
    void applyToGlobals() const;
};

// Checks and converts a request. On a mistake it returns nothing and strError holds a one-line
// reason.
std::optional<InstrumentChoice> chooseInstrument(const InstrumentRequest& request,
                                                 std::string& strError);

// An open-string note as players write it: one of the seventeen note names and an octave digit
// ("E3", "F#2", "Bb1").
std::optional<SimpleNote> parseTuningNote(const std::string& strText);
