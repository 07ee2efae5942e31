#pragma once

#include "NoteNames.h"

#include <array>
#include <string>
#include <vector>

// A note picked on the instrument picture: the place clicked and the note sounding there.
struct PickedNote {
    int intInstrument = 1; // 1 fretboard, 2 piano keyboard
    int intString = 0;     // fretboard string 1..7; 0 on the keyboard
    int intFret = 0;       // fretboard fret 0..12; on the keyboard the key's number (see intPitch)
    int intPitch = 0;      // octave * 12 + pitch class: what orders the notes from low to high

    friend bool operator==(const PickedNote&, const PickedNote&) = default;
    bool samePlace(const PickedNote& other) const {
        return intInstrument == other.intInstrument && intString == other.intString &&
               intFret == other.intFret;
    }
};

// The notes picked on the picture, in the order picked. A second click on a place takes its note
// off again; two places may sound the same note.
class ChosenNotes {
  public:
    void toggle(const PickedNote& note);
    void clear() { collNotes.clear(); }
    bool empty() const { return collNotes.empty(); }
    const std::vector<PickedNote>& notes() const { return collNotes; }

    // Follows the instrument as it is now drawn: notes picked on another instrument, or on a
    // string the board no longer has, are dropped; a fretboard note sounds the open string of
    // its string (octave * 12 + pitch class, by string 1..7) plus its fret.
    void retune(int intInstrument, int intStrings, const std::array<int, 8>& openPitches);

    friend bool operator==(const ChosenNotes&, const ChosenNotes&) = default;

    PitchMask mask() const;
    // Pitch class of the lowest note, -1 when there is none.
    int bass() const;
    // Names of the pitch classes from the lowest note up, each once, black keys flat: the text a
    // user would type for them ("E G C").
    std::string text() const;

  private:
    std::vector<PickedNote> collNotes;
};
