#pragma once

#include "SimpleNote.h"

#include <vector>

// Which MIDI notes sound, in which order and at which beats, when a scale or chord is played.
// Pure logic: the caller hands in the notes and the instrument; nothing here touches a device.

// Where a sounding note is marked in the picture: a string (numbered as the tuning, 1 = top line)
// and fret on the fretboard, or a key on the keyboard (MIDI note = 12 × octave + pitch class).
struct SoundPlace {
    bool boolFretboard = false;
    int intString = 0;
    int intFret = 0;
    int intKeyNote = 0;
    friend bool operator==(const SoundPlace&, const SoundPlace&) = default;
};

struct VoicedNote {
    int intMidiNote = 0;
    SoundPlace place;
    friend bool operator==(const VoicedNote&, const VoicedNote&) = default;
};

// One note of a performance: starts at intStartBeat and lasts intBeats beats.
struct ScheduledNote {
    int intMidiNote = 0;
    int intStartBeat = 0;
    int intBeats = 1;
    SoundPlace place;
    friend bool operator==(const ScheduledNote&, const ScheduledNote&) = default;
};

namespace NoteSchedule {

constexpr int kFrets = 12;

int midiNote(const SimpleNote& note);

// The sounding MIDI note of each open string, string 1 first. The stored octaves count, except when
// every string is stored in octave 3: then the last string sounds in octave 3 and each string above
// it at the nearest pitch strictly above the string below.
std::vector<int> openStringNotes(const std::vector<SimpleNote>& collTuning);

// The string (1-based) with the lowest open note; among equals the one drawn lowest.
int lowestString(const std::vector<int>& collOpenStrings);

// Scale notes (root first) on the fretboard: the root at its lowest fret on the lowest string, each
// further note at the nearest pitch above the note before it. Each note is marked at the place
// whose fret lies nearest the root's fret (among equals the lower-sounding string).
std::vector<VoicedNote> voiceOnFretboard(const std::vector<SimpleNote>& collNotes,
                                         const std::vector<int>& collOpenStrings);

// The place on the board for a MIDI note, nearest the given fret; none when it is off the board.
bool fretboardPlace(int intMidiNote, const std::vector<int>& collOpenStrings, int intNearFret,
                    SoundPlace& place);

// Notes as the keyboard marks them (octaves 3 to 5); the others are not drawn and not played.
std::vector<VoicedNote> voiceOnKeyboard(const std::vector<SimpleNote>& collNotes);

// A scale: the notes one beat apart in their order, the first note an octave up (at topPlace), then
// back down to the first note; each note lasts until the next, the last two beats.
std::vector<ScheduledNote> scheduleScale(const std::vector<VoicedNote>& collNotes,
                                         const SoundPlace& topPlace);

// A chord: all notes together for two beats, then upwards one beat apart, the last two beats.
std::vector<ScheduledNote> scheduleChord(const std::vector<VoicedNote>& collNotes);

// Length of a performance in beats.
int totalBeats(const std::vector<ScheduledNote>& collNotes);

} // namespace NoteSchedule
