#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

// What the fretboard setup decides: the strings, their notes (octaves kept) and the four display
// options, as it is remembered between runs.
struct InstrumentSetup {
    int16_t intNumberOfStrings = 6;
    std::vector<std::string> strTuning; // note texts with octave, string 1 first
    bool boolShowTuning = true;
    bool boolShowFretNumbers = true;
    bool boolDisplayIntervals = true;
    bool boolLeftHand = false;

    bool operator==(const InstrumentSetup&) const = default;
};

// The setup in the instrument settings now.
InstrumentSetup captureInstrumentSetup();
// Puts a setup into the instrument settings (fresh notes for strings 1..count).
void applyInstrumentSetup(const InstrumentSetup& setup);

// The setup as keys and texts for a preferences store, and back. Reading accepts only what
// writing produces (3 to 7 strings, one note name with a single-digit octave per string,
// "true"/"false"); anything missing or different gives no setup at all.
std::map<std::string, std::string> formatInstrumentSetup(const InstrumentSetup& setup);
std::optional<InstrumentSetup>
parseInstrumentSetup(const std::map<std::string, std::string>& texts);
