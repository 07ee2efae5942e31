#pragma once

#include <string>
#include <vector>

// A ready-made instrument: its number of strings and the open-string notes.
struct TuningPreset {
    std::string strId;         // unique, letters only: "GuitarDropD"
    std::string strInstrument; // "Guitar"
    std::string strName;       // "Drop D"; empty when the instrument has only this tuning
    // Note texts with their octave (MIDI note = 12 x octave + pitch class, so E3 is the guitar's
    // low E), string 1 (the highest-sounding, drawn on top) first.
    std::vector<std::string> strStrings;
};

// The presets in menu order, grouped by instrument.
const std::vector<TuningPreset>& getTuningPresets();

// "Drop D (D A D G B E)": the pitch names from the lowest string up, as musicians write them.
std::string getPresetCaption(const TuningPreset& preset);

// Sets the number of strings (a preset has 3 to 7) and one fresh note per string, like a confirmed
// fretboard setup;
// strings above the preset's count keep their notes, the display options stay.
void applyTuningPreset(const TuningPreset& preset);

// The index of the preset whose number of strings and pitch classes equal the current settings
// (octaves are not compared: the setup dialog keeps none), or -1. When several match (a violin
// and a mandolin share G D A E) intPreferred wins if it is among them, else the first one.
int findMatchingPreset(const std::vector<TuningPreset>& presets, int intPreferred = -1);
