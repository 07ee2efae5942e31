#pragma once

#include "SimpleNote.h"

#include <cstdint>
#include <memory>

// The process-wide instrument settings: read by the two instrument views at every drawing,
// changed by the two setup dialogs. Values are stored unchecked.
namespace Globals {

constexpr int kMaxStrings = 7;

int16_t NumberOfStrings();
void setNumberOfStrings(int16_t intValue);

// Open-string note of string 1..7 (1 is the highest string). Reading an empty slot stores and
// returns a new note (C4). Any other index throws std::out_of_range.
std::shared_ptr<SimpleNote> Tuning(int intString);
void setTuning(int intString, std::shared_ptr<SimpleNote> noteValue);

bool ShowTuning();
void setShowTuning(bool boolValue);
bool ShowFretNumbers();
void setShowFretNumbers(bool boolValue);
bool DisplayIntervals();
void setDisplayIntervals(bool boolValue);
bool LeftHand();
void setLeftHand(bool boolValue);

// 0 "one octave higher", 1 "in same octave", 2 "one octave lower".
int16_t KeyboardOctave();
void setKeyboardOctave(int16_t intValue);
bool ShowNoteNames();
void setShowNoteNames(bool boolValue);
bool ShowIntervals();
void setShowIntervals(bool boolValue);

// Six strings in standard tuning with every fretboard label on, right-handed; keyboard notes in
// the same octave with names and without interval codes.
void setDefaultSettings();

} // namespace Globals
