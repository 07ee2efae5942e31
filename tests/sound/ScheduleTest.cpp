// Which notes Play sounds, in which order and at which beats, worked out by hand for each case.

#include "MidiFile.h"
#include "SoundCases.h"

#include <gtest/gtest.h>

namespace {

std::vector<int> midiOf(const std::vector<ScheduledNote>& collNotes) {
    std::vector<int> collMidi;
    for (const ScheduledNote& note : collNotes) {
        collMidi.push_back(note.intMidiNote);
    }
    return collMidi;
}

TEST(Schedule, NotesForEveryCase) {
    for (const SoundCases::Case& c : SoundCases::cases()) {
        const StandardScale scale = SoundCases::scale(c.strIntervals, c.intButton, c.intAdd);
        EXPECT_EQ(midiOf(buildSchedule(scale, c.setup, c.boolChord)), c.collMidi) << c.strName;
    }
}

TEST(Schedule, BeatsOfScaleAndChord) {
    // A scale of three notes: one beat each, the octave, back down; the last note two beats.
    const auto collScale =
        buildSchedule(SoundCases::scale("1,3,5", 0), SoundCases::keyboard(1), false);
    const std::vector<std::pair<int, int>> collScaleBeats{{0, 1}, {1, 1}, {2, 1}, {3, 1},
                                                          {4, 1}, {5, 1}, {6, 2}};
    // A chord of three notes: together for two beats, then one beat apart, the last two beats.
    const auto collChord =
        buildSchedule(SoundCases::scale("1,3,5", 0), SoundCases::keyboard(1), true);
    const std::vector<std::pair<int, int>> collChordBeats{{0, 2}, {0, 2}, {0, 2},
                                                          {2, 1}, {3, 1}, {4, 2}};
    for (const auto& [collNotes, collBeats] :
         {std::pair{collScale, collScaleBeats}, std::pair{collChord, collChordBeats}}) {
        ASSERT_EQ(collNotes.size(), collBeats.size());
        for (std::size_t i = 0; i < collNotes.size(); ++i) {
            EXPECT_EQ(std::make_pair(collNotes[i].intStartBeat, collNotes[i].intBeats),
                      collBeats[i])
                << "note " << i;
        }
    }
    EXPECT_EQ(NoteSchedule::totalBeats(collScale), 8);
    EXPECT_EQ(NoteSchedule::totalBeats(collChord), 6);
}

TEST(Schedule, OpenStringsAndLowestString) {
    struct Row {
        const char* strName;
        InstrumentSetup setup;
        std::vector<int> collOpen;
        int intLowest;
    };
    const std::vector<Row> collRows{
        {"stored octaves", SoundCases::guitarDefault(), {64, 59, 55, 50, 45, 40}, 6},
        {"drop D in octave 3", SoundCases::guitarDropD(), {64, 59, 55, 50, 45, 38}, 6},
        {"seven strings in octave 3", SoundCases::sevenString(), {76, 71, 67, 62, 57, 52, 47}, 7},
        {"re-entrant", SoundCases::reentrant(), {64, 59, 55, 50, 45, 52}, 5},
        // Viola order in octave 3: C3 then G, D, A each strictly above the string below.
        {"viola in octave 3",
         {1, SoundCases::tuning({"A", "D", "G", "C"}), 1},
         {57, 50, 43, 36},
         4},
        // Two strings on the same pitch class in octave 3: the upper one an octave higher.
        {"unison in octave 3", {1, SoundCases::tuning({"E", "E"}), 1}, {52, 40}, 2},
    };
    for (const Row& row : collRows) {
        const std::vector<int> collOpen = NoteSchedule::openStringNotes(row.setup.collTuning);
        EXPECT_EQ(collOpen, row.collOpen) << row.strName;
        EXPECT_EQ(NoteSchedule::lowestString(collOpen), row.intLowest) << row.strName;
    }
}

TEST(Schedule, FretboardPlacesStayNearTheRoot) {
    // C major on the default guitar: the root at fret 8 of string 6, every further note at the
    // place whose fret is nearest 8, the lower string on a tie.
    const auto collNotes =
        buildSchedule(SoundCases::scale("1,2,3,4,5,6,7", 0), SoundCases::guitarDefault(), false);
    const std::vector<std::pair<int, int>> collPlaces{{6, 8},  {6, 10}, {5, 7}, {5, 8},
                                                      {5, 10}, {4, 7},  {4, 9}, {4, 10}};
    for (std::size_t i = 0; i < collPlaces.size(); ++i) {
        const SoundPlace& place = collNotes[i].place;
        EXPECT_TRUE(place.boolFretboard);
        EXPECT_EQ(std::make_pair(place.intString, place.intFret), collPlaces[i]) << "note " << i;
    }
    // Going down, the notes sound at the same places again.
    EXPECT_EQ(collNotes[8].place, collNotes[6].place);
    EXPECT_EQ(collNotes[14].place, collNotes[0].place);
}

TEST(Schedule, KeyboardPlacesAreTheMarkedKeys) {
    // A note outside the keyboard's octaves 3..5 is not drawn, so it is not played either.
    std::vector<SimpleNote> collNotes = SoundCases::tuning({"C3", "E6", "G5", "B2"});
    const auto collVoiced = NoteSchedule::voiceOnKeyboard(collNotes);
    ASSERT_EQ(collVoiced.size(), 2u);
    EXPECT_EQ(collVoiced[0], (VoicedNote{36, SoundPlace{false, 0, 0, 36}}));
    EXPECT_EQ(collVoiced[1], (VoicedNote{67, SoundPlace{false, 0, 0, 67}}));
    // The octave above the root is marked at its own key.
    const auto collScale =
        buildSchedule(SoundCases::scale("1,3,5", 2), SoundCases::keyboard(2), false);
    EXPECT_EQ(collScale[3].place, (SoundPlace{false, 0, 0, 64}));
}

TEST(Schedule, ProgramsAndChoiceNames) {
    // Guitar is General MIDI nylon-string guitar (24), piano the acoustic grand (0).
    EXPECT_EQ(programFor(SoundChoice::Guitar, 2), 24);
    EXPECT_EQ(programFor(SoundChoice::Piano, 1), 0);
    EXPECT_EQ(programFor(SoundChoice::FollowInstrument, 1), 24);
    EXPECT_EQ(programFor(SoundChoice::FollowInstrument, 2), 0);
    SoundChoice choice = SoundChoice::Guitar;
    EXPECT_TRUE(parseSoundChoice("piano", choice));
    EXPECT_EQ(choice, SoundChoice::Piano);
    EXPECT_FALSE(parseSoundChoice("Piano", choice));
    EXPECT_EQ(choice, SoundChoice::Piano);
    EXPECT_EQ(clampTempo(39), 40);
    EXPECT_EQ(clampTempo(241), 240);
    EXPECT_EQ(clampTempo(100), 100);
}

TEST(MidiFileBytes, OneNoteLiteral) {
    // Middle C for two beats at 100 beats per minute on the nylon guitar.
    const std::vector<uint8_t> bytes = MidiFile::write({{60, 0, 2, {}}}, 100, 24);
    const std::vector<uint8_t> expected{
        'M',  'T',  'h',  'd',  0,    0,    0,    6,
        0,    0,    0,    1,    0x01, 0xE0,           // type 0, one track, 480 ticks
        'M',  'T',  'r',  'k',  0,    0,    0,    23, // track length
        0x00, 0xFF, 0x51, 0x03, 0x09, 0x27, 0xC0,     // 600000 µs a quarter
        0x00, 0xC0, 24,                               // program
        0x00, 0x90, 60,   100,                        // note on
        0x87, 0x40, 0x80, 60,   0,                    // 960 ticks later: note off
        0x00, 0xFF, 0x2F, 0x00};                      // end of track
    EXPECT_EQ(bytes, expected);
}

} // namespace
