#pragma once

#include "NoteSchedule.h"

#include <string>
#include <vector>

class StandardScale;

// What is played and how: the choices of the Play menu, and the instrument the picture shows.

enum class SoundChoice { Guitar, Piano, FollowInstrument };

constexpr int kMinTempo = 40;
constexpr int kMaxTempo = 240;
constexpr int kDefaultTempo = 100;
constexpr int kProgramNylonGuitar = 24;
constexpr int kProgramGrandPiano = 0;

// The General MIDI program (counted from 0) for the choice; "follow" takes the instrument shown
// (1 fretboard, 2 keyboard).
int programFor(SoundChoice choice, int intInstrument);

// "guitar", "piano", "follow" and back; unknown text gives std::nullopt-like false.
std::string soundChoiceName(SoundChoice choice);
bool parseSoundChoice(const std::string& strName, SoundChoice& choice);

int clampTempo(int intTempo);

// The instrument as the picture draws it: which one, the tuning (string 1 first) and the
// keyboard's octave placement.
struct InstrumentSetup {
    int intInstrument = 1;
    std::vector<SimpleNote> collTuning;
    int intKeyboardOctave = 1;
};

// The current instrument settings for instrument 1 (fretboard) or 2 (keyboard).
InstrumentSetup instrumentFromGlobals(int intInstrument);

// The notes that playing the scale (or, with boolChord, the chord) sounds, as the picture marks
// them.
std::vector<ScheduledNote> buildSchedule(const StandardScale& scale, const InstrumentSetup& setup,
                                         bool boolChord);
