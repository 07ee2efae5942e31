// Which notes Play sounds, in which order and at which beats, worked out by hand for each case;
// and the MIDI file of them, byte by byte and read back by FluidSynth's own file player.

#include "MidiFile.h"
#include "SoundCases.h"
#include "SoundSynth.h"

#include <fluidsynth.h>
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
    Pairs collPlaces;
    for (const ScheduledNote& note : collNotes) {
        collPlaces.emplace_back(note.place.intString, note.place.intFret);
    }
    EXPECT_EQ(collPlaces, (Pairs{{6, 8},
                                 {6, 10},
                                 {5, 7},
                                 {5, 8},
                                 {5, 10},
                                 {4, 7},
                                 {4, 9},
                                 {4, 10},
                                 {4, 9},
                                 {4, 7},
                                 {5, 10},
                                 {5, 8},
                                 {5, 7},
                                 {6, 10},
                                 {6, 8}}));
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

TEST(MidiFile, OneNoteByteByByte) {
    // Middle C for two beats at 100 beats per minute on the nylon guitar.
    const std::vector<uint8_t> expected{
        'M',  'T',  'h',  'd',  0,    0,    0,    6,
        0,    0,    0,    1,    0x01, 0xE0,           // type 0, one track, 480 ticks
        'M',  'T',  'r',  'k',  0,    0,    0,    23, // track length
        0x00, 0xFF, 0x51, 0x03, 0x09, 0x27, 0xC0,     // 600000 µs a quarter
        0x00, 0xC0, 24,                               // program
        0x00, 0x90, 60,   100,                        // note on
        0x87, 0x40, 0x80, 60,   0,                    // 960 ticks later: note off
        0x00, 0xFF, 0x2F, 0x00};                      // end of track
    EXPECT_EQ(MidiFile::write({{60, 0, 2, {}}}, 100, 24), expected);
}

// What FluidSynth's player hears at a tick: 0x90 note on or 0x80 off with the key, 0xC0 program
// change with the program, 0x51 tempo with the microseconds a quarter note.
struct Capture {
    fluid_player_t* player;
    std::vector<std::tuple<int, int, int>> collHeard;
};

int capture(void* data, fluid_midi_event_t* event) {
    auto* c = static_cast<Capture*>(data);
    const int intType = fluid_midi_event_get_type(event);
    const bool boolOff =
        intType == 0x80 || (intType == 0x90 && fluid_midi_event_get_velocity(event) == 0);
    c->collHeard.emplace_back(boolOff ? 0x80 : intType,
                              intType == 0xC0 ? fluid_midi_event_get_program(event)
                                              : fluid_midi_event_get_key(event),
                              fluid_player_get_current_tick(c->player));
    return FLUID_OK;
}

// D7 on the drop D board at 60 beats a minute, as a piano: D F# A C together for two beats, then
// upwards one beat apart, the C for two beats. The file is played on the sample clock of a
// synthesizer that renders into nothing.
TEST(MidiFile, ChordReadBackByFluidSynth) {
    const std::vector<uint8_t> bytes =
        MidiFile::write(schedule("D3", "1,3,5,b7", board({"E", "B", "G", "D", "A", "D"}), true), 60,
                        kProgramGrandPiano);
    silenceFluidSynthLog();
    fluid_settings_t* settings = new_fluid_settings();
    fluid_settings_setstr(settings, "player.timing-source", "sample");
    fluid_settings_setint(settings, "synth.lock-memory", 0);
    fluid_synth_t* synth = new_fluid_synth(settings);
    Capture c{new_fluid_player(synth), {}};
    fluid_player_set_playback_callback(c.player, capture, &c);
    ASSERT_EQ(fluid_player_add_mem(c.player, bytes.data(), bytes.size()), FLUID_OK);
    ASSERT_EQ(fluid_player_play(c.player), FLUID_OK);
    std::vector<float> buffer(2 * 256);
    for (int i = 0; i < 20000 && fluid_player_get_status(c.player) == FLUID_PLAYER_PLAYING; ++i) {
        fluid_synth_write_float(synth, 256, buffer.data(), 0, 2, buffer.data(), 1, 2);
    }
    delete_fluid_player(c.player);
    delete_fluid_synth(synth);
    delete_fluid_settings(settings);
    const std::vector<std::tuple<int, int, int>> expected{
        {0x51, 1000000, 0}, {0xC0, 0, 0},     {0x90, 38, 0},    {0x90, 42, 0},    {0x90, 45, 0},
        {0x90, 48, 0},      {0x80, 38, 960},  {0x80, 42, 960},  {0x80, 45, 960},  {0x80, 48, 960},
        {0x90, 38, 960},    {0x80, 38, 1440}, {0x90, 42, 1440}, {0x80, 42, 1920}, {0x90, 45, 1920},
        {0x80, 45, 2400},   {0x90, 48, 2400}, {0x80, 48, 3360}};
    ASSERT_EQ(c.collHeard.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        // The player reports the tick its clock has reached, which may be one past the event.
        const auto& [intType, intValue, intTick] = c.collHeard[i];
        EXPECT_EQ(std::tie(intType, intValue),
                  std::tie(std::get<0>(expected[i]), std::get<1>(expected[i])))
            << "event " << i;
        EXPECT_NEAR(intTick, std::get<2>(expected[i]), 1) << "event " << i;
    }
}

} // namespace
