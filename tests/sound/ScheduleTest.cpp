// Which notes Play sounds, in which order, at which beats and places, worked out by hand for each
// case. (The MIDI file of them is read back in RenderTest.)

#include "SoundCases.h"

#include <gtest/gtest.h>

namespace {

using namespace SoundCases;
using Pairs = std::vector<std::pair<int, int>>;

TEST(Schedule, NotesForEveryCase) {
    for (const Case& c : cases()) {
        std::vector<int> collMidi;
        for (const ScheduledNote& note :
             schedule(c.strRoot, c.strIntervals, c.setup, c.boolChord)) {
            collMidi.push_back(note.intMidiNote);
        }
        EXPECT_EQ(collMidi, c.collMidi) << c.strName;
    }
}

// A scale of three notes: one beat each, the octave, back down; the last note two beats. (The
// chord's beats are read back from its MIDI file below.)
TEST(Schedule, BeatsOfAScale) {
    Pairs collBeats;
    for (const ScheduledNote& note : schedule("C3", "1,3,5", keyboard(1), false)) {
        collBeats.emplace_back(note.intStartBeat, note.intBeats);
    }
    EXPECT_EQ(collBeats, (Pairs{{0, 1}, {1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}, {6, 2}}));
}

TEST(Schedule, PlacesOnTheBoardAndTheKeyboard) {
    // C major on the default guitar: the root at fret 8 of string 6, every further note at the
    // place whose fret is nearest 8, the lower string on a tie; going down, the same places again.
    const auto collNotes = schedule("C3", "1,2,3,4,5,6,7", guitar(), false);
    std::vector<int> collPlaces; // string and fret of each note
    for (const ScheduledNote& note : collNotes) {
        collPlaces.insert(collPlaces.end(), {note.place.intString, note.place.intFret});
    }
    EXPECT_EQ(collPlaces, (std::vector<int>{6,  8, 6, 10, 5, 7, 5,  8, 5, 10, 4, 7, 4,  9, 4,
                                            10, 4, 9, 4,  7, 5, 10, 5, 8, 5,  7, 6, 10, 6, 8}));
    // On the keyboard a note outside octaves 3..5 is not drawn, so it is not played either; the
    // octave above the root is marked at its own key.
    EXPECT_EQ(NoteSchedule::voiceOnKeyboard(tuning({"C3", "E6", "G5", "B2"})),
              (std::vector<VoicedNote>{{36, {false, 0, 0, 36}}, {67, {false, 0, 0, 67}}}));
    EXPECT_EQ(schedule("E3", "1,3,5", keyboard(2), false)[3].place, (SoundPlace{false, 0, 0, 64}));
}

TEST(Schedule, ProgramsTempoAndSoundNames) {
    // Guitar is General MIDI nylon-string guitar (24), piano the acoustic grand (0).
    EXPECT_EQ(programFor(SoundChoice::Guitar, 2), 24);
    EXPECT_EQ(programFor(SoundChoice::Piano, 1), 0);
    EXPECT_EQ(programFor(SoundChoice::FollowInstrument, 1), 24);
    EXPECT_EQ(programFor(SoundChoice::FollowInstrument, 2), 0);
    SoundChoice choice = SoundChoice::Guitar;
    EXPECT_TRUE(parseSoundChoice("piano", choice) && choice == SoundChoice::Piano);
    EXPECT_FALSE(parseSoundChoice("Piano", choice));
    EXPECT_EQ(std::make_pair(clampTempo(39), clampTempo(241)), std::make_pair(40, 240));
}

} // namespace
