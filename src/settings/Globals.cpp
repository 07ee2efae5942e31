#include "Globals.h"

#include <array>
#include <stdexcept>
#include <string>

namespace Globals {
namespace {

struct Settings {
    int16_t intNumberOfStrings = 6;
    std::array<std::shared_ptr<SimpleNote>, kMaxStrings> tuning;
    bool boolShowTuning = true;
    bool boolShowFretNumbers = true;
    bool boolDisplayIntervals = true;
    bool boolLeftHand = false;
    int16_t intKeyboardOctave = 1;
    bool boolShowNoteNames = true;
    bool boolShowIntervals = false;
};

Settings& settings() {
    static Settings instance;
    return instance;
}

std::shared_ptr<SimpleNote>& tuningSlot(int intString) {
    if (intString < 1 || intString > kMaxStrings) {
        throw std::out_of_range("tuning string " + std::to_string(intString) + " outside 1.." +
                                std::to_string(kMaxStrings));
    }
    return settings().tuning[static_cast<std::size_t>(intString - 1)];
}

} // namespace

int16_t NumberOfStrings() {
    return settings().intNumberOfStrings;
}
void setNumberOfStrings(int16_t intValue) {
    settings().intNumberOfStrings = intValue;
}

std::shared_ptr<SimpleNote> Tuning(int intString) {
    std::shared_ptr<SimpleNote>& slot = tuningSlot(intString);
    if (!slot) {
        slot = std::make_shared<SimpleNote>();
    }
    return slot;
}

void setTuning(int intString, std::shared_ptr<SimpleNote> noteValue) {
    tuningSlot(intString) = std::move(noteValue);
}

bool ShowTuning() {
    return settings().boolShowTuning;
}
void setShowTuning(bool boolValue) {
    settings().boolShowTuning = boolValue;
}
bool ShowFretNumbers() {
    return settings().boolShowFretNumbers;
}
void setShowFretNumbers(bool boolValue) {
    settings().boolShowFretNumbers = boolValue;
}
bool DisplayIntervals() {
    return settings().boolDisplayIntervals;
}
void setDisplayIntervals(bool boolValue) {
    settings().boolDisplayIntervals = boolValue;
}
bool LeftHand() {
    return settings().boolLeftHand;
}
void setLeftHand(bool boolValue) {
    settings().boolLeftHand = boolValue;
}
int16_t KeyboardOctave() {
    return settings().intKeyboardOctave;
}
void setKeyboardOctave(int16_t intValue) {
    settings().intKeyboardOctave = intValue;
}
bool ShowNoteNames() {
    return settings().boolShowNoteNames;
}
void setShowNoteNames(bool boolValue) {
    settings().boolShowNoteNames = boolValue;
}
bool ShowIntervals() {
    return settings().boolShowIntervals;
}
void setShowIntervals(bool boolValue) {
    settings().boolShowIntervals = boolValue;
}

void setDefaultSettings() {
    setNumberOfStrings(6);
    setShowTuning(true);
    setShowFretNumbers(true);
    setDisplayIntervals(true);
    setLeftHand(false);
    static constexpr std::array<const char*, 6> kStandardTuning{"E5", "B4", "G4", "D4", "A3", "E3"};
    for (int intString = 6; intString >= 1; --intString) {
        auto note = std::make_shared<SimpleNote>();
        note->setNote(kStandardTuning[static_cast<std::size_t>(intString - 1)]);
        setTuning(intString, std::move(note));
    }
    setKeyboardOctave(1);
    setShowNoteNames(true);
    setShowIntervals(false);
}

} // namespace Globals
