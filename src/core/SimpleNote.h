#pragma once

#include <cstdint>
#include <string>

// One note: a pitch class (C = 0 .. B = 11), an octave that changes between B and C, and an
// accidental code that decides how a black-key pitch is spelled (1 sharp, anything else flat).
// A new note is C4 without accidental. Setters store any value unchecked.
class SimpleNote {
  public:
    int16_t Pitch() const { return intPitch; }
    void setPitch(int16_t intNewPitch) { intPitch = intNewPitch; }
    int16_t Octave() const { return intOctave; }
    void setOctave(int16_t intNewOctave) { intOctave = intNewOctave; }
    int16_t Sign() const { return intSign; }
    void setSign(int16_t intNewSign) { intSign = intNewSign; }
    bool IsFlat() const { return intSign == 2; }

    // Position of this note's key on the circle of fifths; negative means the flat side.
    // intThePitch is accepted for compatibility and ignored: the note's own pitch and sign count.
    int16_t getCircleOfFifthsPosition(int16_t intThePitch = -4711) const;

    // Letter button 0..6 (C..B) and accidental 0 none, 1 sharp, 2 flat; always octave 3.
    void setPitchFromButtons(int16_t intButtonIndex, int16_t intButtonAdd);

    // Parses texts such as "E3", "Bb", "F#3"; unknown letters keep the pitch.
    void setNote(const std::string& strNoteString);

    std::string getNoteName(bool boolIncludeOctave = false) const;

    // Degree 2..7 of the major scale on this note, spelled in this note's key;
    // any other position gives a copy of this note.
    SimpleNote getNoteStandardScale(int16_t intPosition) const;

    // Spells a black-key pitch sharp or flat by the side of noteRoot's key.
    void setStandardSign(const SimpleNote& noteRoot);

    // A new note intHalftones semitones higher (one octave carry), without accidental.
    SimpleNote AddHalftones(int16_t intHalftones) const;

    // 1 lower a semitone (black key flat), 3 raise a semitone (black key sharp),
    // 4 lower two semitones keeping the spelling; every other type changes nothing.
    void doModification(int16_t intType);

    static bool isBlackKey(int intPitch);

    friend bool operator==(const SimpleNote&, const SimpleNote&) = default;

  private:
    int16_t intPitch = 0;
    int16_t intOctave = 4;
    int16_t intSign = 0;
};
