// Which notes Play sounds, in which order, at which beats and places, worked out by hand for each
// case, and the MIDI file of them byte by byte.

#include "MidiFile.h"
#include "SoundCases.h"

#include <QByteArray>
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
// chord's beats are in its MIDI file below.)
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

// D7 on the drop D board at 60 beats a minute (1,000,000 µs) as a piano: D F# A C (38 42 45 48)
// together for two beats (960 ticks, written 87 40), then upwards one beat (83 60) apart, the C for
// two beats. Notes end before others begin on the same tick; 83 bytes of track.
TEST(Schedule, MidiFileOfAChord) {
    const std::vector<uint8_t> bytes = MidiFile::write(
        schedule("D3", "1,3,5,b7", board({"E", "B", "G", "D", "A", "D"}), true), 60, 0);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(bytes.data()), bytes.size()),
              QByteArray::fromHex("4d546864 00000006 0000 0001 01e0 4d54726b 00000053"
                                  "00ff51030f4240 00c000 00902664 00902a64 00902d64 00903064"
                                  "8740802600 00802a00 00802d00 00803000 00902664"
                                  "8360802600 00902a64 8360802a00 00902d64 8360802d00 00903064"
                                  "8740803000 00ff2f00"));
}

} // namespace
