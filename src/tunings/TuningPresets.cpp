#include "TuningPresets.h"

#include "Globals.h"
#include "SimpleNote.h"

#include <cstddef>
#include <memory>

namespace {

SimpleNote noteOf(const std::string& strText) {
    SimpleNote note;
    note.setNote(strText);
    return note;
}

bool matchesCurrent(const TuningPreset& preset) {
    const int16_t intStrings = Globals::NumberOfStrings();
    // Compared first, so that no string outside the tuning table is read.
    if (intStrings < 1 || static_cast<std::size_t>(intStrings) != preset.strStrings.size()) {
        return false;
    }
    for (int i = 1; i <= intStrings; ++i) {
        const std::string& strText = preset.strStrings[static_cast<std::size_t>(i - 1)];
        if (Globals::Tuning(i)->Pitch() != noteOf(strText).Pitch()) {
            return false;
        }
    }
    return true;
}

} // namespace

const std::vector<TuningPreset>& getTuningPresets() {
    static const std::vector<TuningPreset> kPresets{
        {"GuitarStandard", "Guitar", "Standard", {"E5", "B4", "G4", "D4", "A3", "E3"}},
        {"GuitarDropD", "Guitar", "Drop D", {"E5", "B4", "G4", "D4", "A3", "D3"}},
        {"GuitarDStandard", "Guitar", "D Standard", {"D5", "A4", "F4", "C4", "G3", "D3"}},
        {"GuitarDADGAD", "Guitar", "DADGAD", {"D5", "A4", "G4", "D4", "A3", "D3"}},
        {"GuitarOpenG", "Guitar", "Open G", {"D5", "B4", "G4", "D4", "G3", "D3"}},
        {"GuitarOpenD", "Guitar", "Open D", {"D5", "A4", "F#4", "D4", "A3", "D3"}},
        {"GuitarOpenE", "Guitar", "Open E", {"E5", "B4", "G#4", "E4", "B3", "E3"}},
        {"GuitarHalfStepDown",
         "Guitar",
         "Half Step Down",
         {"Eb5", "Bb4", "Gb4", "Db4", "Ab3", "Eb3"}},
        {"GuitarSevenString", "Guitar", "7-String", {"E5", "B4", "G4", "D4", "A3", "E3", "B2"}},
        // A fourth below the standard guitar.
        {"GuitarBaritone", "Guitar", "Baritone", {"B4", "F#4", "D4", "A3", "E3", "B2"}},
        // An octave below the guitar's four lowest strings.
        {"BassFourString", "Bass", "4-String", {"G3", "D3", "A2", "E2"}},
        {"BassFiveString", "Bass", "5-String", {"G3", "D3", "A2", "E2", "B1"}},
        {"BassSixString", "Bass", "6-String", {"C4", "G3", "D3", "A2", "E2", "B1"}},
        // Re-entrant: the fourth string, G, sounds above the third, C (middle C is C5 here).
        {"UkuleleStandard", "Ukulele", "Standard", {"A5", "E5", "C5", "G5"}},
        {"UkuleleBaritone", "Ukulele", "Baritone", {"E5", "B4", "G4", "D4"}},
        // One string for each pair of the mandolin's courses; it sounds like a violin.
        {"Mandolin", "Mandolin", "", {"E6", "A5", "D5", "G4"}},
        {"Violin", "Violin", "", {"E6", "A5", "D5", "G4"}},
        {"Viola", "Viola", "", {"A5", "D5", "G4", "C4"}},
        {"Cello", "Cello", "", {"A4", "D4", "G3", "C3"}},
    };
    return kPresets;
}

std::string getPresetCaption(const TuningPreset& preset) {
    std::string strNames;
    for (auto it = preset.strStrings.rbegin(); it != preset.strStrings.rend(); ++it) {
        strNames += (strNames.empty() ? "" : " ") + noteOf(*it).getNoteName();
    }
    const std::string strTitle = preset.strName.empty() ? preset.strInstrument : preset.strName;
    return strTitle + " (" + strNames + ")";
}

void applyTuningPreset(const TuningPreset& preset) {
    const auto intStrings = static_cast<int16_t>(preset.strStrings.size());
    Globals::setNumberOfStrings(intStrings);
    for (int i = 1; i <= intStrings; ++i) {
        auto note = std::make_shared<SimpleNote>();
        note->setNote(preset.strStrings[static_cast<std::size_t>(i - 1)]);
        Globals::setTuning(i, std::move(note));
    }
}

int findMatchingPreset(const std::vector<TuningPreset>& presets, int intPreferred) {
    const auto intCount = static_cast<int>(presets.size());
    if (intPreferred >= 0 && intPreferred < intCount &&
        matchesCurrent(presets[static_cast<std::size_t>(intPreferred)])) {
        return intPreferred;
    }
    for (int i = 0; i < intCount; ++i) {
        if (matchesCurrent(presets[static_cast<std::size_t>(i)])) {
            return i;
        }
    }
    return -1;
}
